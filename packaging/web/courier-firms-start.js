// Downloads and compiles the program off the page's thread, as it arrives,
// straight from the browser's response, which lets the browser keep it
// compiled for the next visit. The page hears how many bytes have arrived,
// then the compiled program, or why there is none.

// "no-cache" has the browser check with the server that what it kept is
// still the release's.
function download(name) {
  return fetch(name, { cache: "no-cache" }).then(response => {
    if (!response.ok)
      throw new Error(`${response.status} ${response.statusText} ${response.url}`);
    return response;
  });
}

function countArrivals(response) {
  const reader = response.body.getReader();
  let arrived = 0;
  const count = ({ done, value }) => {
    if (done)
      return;
    arrived += value.length;
    postMessage({ arrived });
    return reader.read().then(count);
  };
  reader.read().then(count).catch(() => {});
}

// A server that gives the program the wrong type, or a browser that cannot
// compile as it downloads, has it read whole, then compiled.
download("courier-firms.wasm").then(response => {
  countArrivals(response.clone());
  const streamed = WebAssembly.compileStreaming ? WebAssembly.compileStreaming(response) : Promise.reject();
  return streamed.catch(() =>
    download("courier-firms.wasm").then(again => again.arrayBuffer()).then(bytes => WebAssembly.compile(bytes)));
}).then(program => postMessage({ program }), error => postMessage({ error: String(error) }))
  .finally(() => close());

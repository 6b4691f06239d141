#!/usr/bin/python3
"""Debian's nginx and Apache, each started on 127.0.0.1 with the release's
configuration included, hand out each file as asked by a browser with
brotli, with gzip and with neither: packed so, of its type, revalidated and
varying with what the browser accepts; and Chromium opens the window through
each, getting the program's JavaScript as its .br.   web_servers.py RELEASE"""

import brotli, gzip, os, shutil, socket, subprocess, sys, tempfile, unittest, urllib.request
from browserpage import Browser, WindowOnPage
from xsession import wait_for

RELEASE = os.path.abspath(sys.argv.pop(1))
TYPES = {"": "text/html", "service-worker.js": "text/javascript", "courier-firms.js": "text/javascript",
         "courier-firms-start.js": "text/javascript", "courier-firms.wasm": "application/wasm",
         "courier-firms.webmanifest": "application/manifest+json"}
UNPACK = {"br": brotli.decompress, "gzip": gzip.decompress, "identity": bytes}
TEMP = " ".join(f"{kind}_temp_path {{work}};" for kind in ("client_body", "proxy", "fastcgi", "uwsgi", "scgi"))
NGINX = ("daemon off; master_process off; pid {work}/pid; include /etc/nginx/modules-enabled/*.conf; events {{}}"
         " http {{ include /etc/nginx/mime.types; gzip on; access_log off; " + TEMP + " server {{ listen {port};"
         " location / {{ root {release}; include {release}/courier-firms-nginx.conf; }} }} }}")
APACHE = "".join(f"LoadModule {name}_module /usr/lib/apache2/modules/mod_{name}.so\n" for name in (
    "mpm_prefork", "authz_core", "dir", "mime", "filter", "deflate", "rewrite", "headers")) + """
Include /etc/apache2/mods-available/mime.conf
Include /etc/apache2/mods-available/deflate.conf
ServerName 127.0.0.1
Listen {port}
PidFile {work}/pid
ErrorLog /dev/stderr
User www-data
Group www-data
DocumentRoot {release}
<Directory {release}>
    Options FollowSymLinks
    AllowOverride FileInfo
</Directory>"""
SERVERS = {"nginx": (NGINX, ["/usr/sbin/nginx", "-e", "stderr", "-c"]), "Apache": (APACHE, ["/usr/sbin/apache2", "-X", "-f"])}


class ServedPrecompressed(unittest.TestCase):
    def start(self, name):
        # The servers' own user reads a copy of the release: the checkout may
        # be where only its owner goes, as in root's home.
        work = tempfile.mkdtemp(prefix="courier-firms-server-")
        os.chmod(work, 0o755)
        release = shutil.copytree(RELEASE, f"{work}/release")
        with socket.socket() as probe:
            probe.bind(("127.0.0.1", 0))
            port = probe.getsockname()[1]
        with open(f"{work}/server.conf", "w") as config:
            config.write(SERVERS[name][0].format(work=work, port=f"127.0.0.1:{port}", release=release))
        server = subprocess.Popen(SERVERS[name][1] + [f"{work}/server.conf"])
        self.addCleanup(lambda: (server.terminate(), server.wait(10), subprocess.run(["rm", "-rf", work])))
        wait_for(lambda: server.poll() is not None or socket.socket().connect_ex(("127.0.0.1", port)) == 0,
                 timeout=10, what=f"{name} to start")
        self.assertIsNone(server.poll(), f"{name} did not start (see above)")
        return f"http://127.0.0.1:{port}/"

    def test_each_server_hands_out_each_file_as_the_browser_takes_it(self):
        for name in SERVERS:
            url = self.start(name)
            for (path, content_type), (encoding, unpack) in ((t, u) for t in TYPES.items() for u in UNPACK.items()):
                with self.subTest(server=name, file=path, encoding=encoding), urllib.request.urlopen(
                        urllib.request.Request(url + path, headers={"Accept-Encoding": encoding})) as answer:
                    headers = answer.headers
                    self.assertEqual((headers.get_content_type(), headers.get("Content-Encoding", "identity"),
                                      headers.get("Cache-Control"), headers.get("Content-Language")),
                                     (content_type, encoding, "no-cache", None))
                    self.assertIn("Accept-Encoding", headers.get("Vary", ""))
                    with open(os.path.join(RELEASE, path or "index.html"), "rb") as file:
                        self.assertEqual(unpack(answer.read()), file.read())
            with self.subTest(server=name, browser="Chromium"):
                browser = Browser()
                self.addCleanup(browser.close)
                browser.driver.get(url)
                WindowOnPage(browser)
                self.assertEqual(browser.driver.execute_script(
                    "return performance.getEntriesByName(arguments[0])[0].encodedBodySize", url + "courier-firms.js"),
                    os.path.getsize(os.path.join(RELEASE, "courier-firms.js.br")))


if __name__ == "__main__":
    unittest.main(verbosity=2)

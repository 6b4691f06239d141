#!/usr/bin/python3
"""Serves the web release with Debian's own nginx and Apache, each configured
as a school would: the default server with the release's configuration for
it included. Asks each for the release's files as browsers with brotli, with
gzip and with neither ask, and checks what comes back: the file packed as the
browser takes it, of the file's type, that the browser must revalidate and
that depends on what it accepts. Then Chromium opens the window through each
server, and gets the program packed with brotli.

    web_servers.py RELEASE"""

import brotli
import gzip
import os
import socket
import subprocess
import sys
import tempfile
import unittest
import urllib.request

from browserpage import Browser, WindowOnPage
from xsession import wait_for

RELEASE = os.path.abspath(sys.argv.pop(1))
TYPES = {"": "text/html", "index.html": "text/html", "service-worker.js": "text/javascript",
         "qtloader.js": "text/javascript", "courier-firms.js": "text/javascript",
         "courier-firms.wasm": "application/wasm", "courier-firms.webmanifest": "application/manifest+json"}
UNPACK = {"br": brotli.decompress, "gzip": gzip.decompress, "identity": bytes}

NGINX = """daemon off; master_process off; pid {work}/nginx.pid; error_log stderr;
include /usr/share/nginx/modules-available/mod-http-brotli-static.conf;
events {{}}
http {{
    include /etc/nginx/mime.types; gzip on; access_log off;
    client_body_temp_path {work}; proxy_temp_path {work}; fastcgi_temp_path {work};
    uwsgi_temp_path {work}; scgi_temp_path {work};
    server {{
        listen 127.0.0.1:{port};
        location / {{ root {release}; include {release}/courier-firms-nginx.conf; }}
    }}
}}
"""
APACHE = """ServerName 127.0.0.1
Listen 127.0.0.1:{port}
PidFile {work}/apache.pid
ErrorLog /dev/stderr
User www-data
Group www-data
""" + "".join(f"LoadModule {name}_module /usr/lib/apache2/modules/mod_{name}.so\n" for name in
              ("mpm_prefork", "authz_core", "dir", "mime", "filter", "deflate", "rewrite", "headers")) + """
Include /etc/apache2/mods-available/mime.conf
Include /etc/apache2/mods-available/deflate.conf
DocumentRoot {release}
<Directory {release}>
    Options FollowSymLinks
    AllowOverride FileInfo
    Require all granted
</Directory>
"""
SERVERS = {"nginx": (NGINX, ["/usr/sbin/nginx", "-e", "stderr", "-c"]),
           "Apache": (APACHE, ["/usr/sbin/apache2", "-X", "-f"])}


class Server:
    """One of SERVERS, started on a free port of 127.0.0.1 for the release."""

    def __init__(self, name):
        self.work = tempfile.mkdtemp(prefix="courier-firms-server-")
        with socket.socket() as probe:
            probe.bind(("127.0.0.1", 0))
            port = probe.getsockname()[1]
        template, command = SERVERS[name]
        config = os.path.join(self.work, "server.conf")
        with open(config, "w") as file:
            file.write(template.format(work=self.work, port=port, release=RELEASE))
        self.process = subprocess.Popen(command + [config])
        self.url, self.port = f"http://127.0.0.1:{port}/", port
        wait_for(lambda: self.process.poll() is not None or self.answers(), timeout=10, what=f"{name} to start")
        assert self.process.poll() is None, f"{name} did not start (see above)"

    def answers(self):
        try:
            socket.create_connection(("127.0.0.1", self.port), 1).close()
            return True
        except OSError:
            return False

    def close(self):
        self.process.terminate()
        self.process.wait(10)
        subprocess.run(["rm", "-rf", self.work], check=True)


class ServedPrecompressed(unittest.TestCase):
    def test_each_server_hands_out_each_file_as_the_browser_takes_it(self):
        for name in SERVERS:
            server = Server(name)
            self.addCleanup(server.close)
            for path, content_type in TYPES.items():
                with open(os.path.join(RELEASE, path or "index.html"), "rb") as file:
                    original = file.read()
                for encoding, unpack in UNPACK.items():
                    with self.subTest(server=name, file=path, encoding=encoding):
                        request = urllib.request.Request(server.url + path, headers={"Accept-Encoding": encoding})
                        with urllib.request.urlopen(request) as answer:
                            headers, body = answer.headers, answer.read()
                        self.assertEqual(headers.get_content_type(), content_type)
                        self.assertEqual(headers.get("Content-Encoding", "identity"), encoding)
                        self.assertIn("Accept-Encoding", headers.get("Vary", ""))
                        self.assertEqual(headers.get("Cache-Control"), "no-cache")
                        self.assertNotIn("Content-Language", headers)
                        self.assertEqual(unpack(body), original)

            with self.subTest(server=name, browser="Chromium"):
                browser = Browser()
                self.addCleanup(browser.close)
                browser.driver.get(server.url)
                WindowOnPage(browser)
                arrived = browser.driver.execute_script(
                    "return performance.getEntriesByName(arguments[0])[0].encodedBodySize",
                    server.url + "courier-firms.wasm")
                self.assertEqual(arrived, os.path.getsize(os.path.join(RELEASE, "courier-firms.wasm.br")))


if __name__ == "__main__":
    unittest.main(verbosity=2)

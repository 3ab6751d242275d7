#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Serves a folder on 127.0.0.1 as a static web host does, gzip-compressing every response a
browser accepts compressed: `serve-site.py FOLDER`. Prints the address it serves on, then serves
until it is stopped."""
import functools
import gzip
import http.server
import os
import sys


class Handler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass

    def do_GET(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path) and self.path.split("?")[0].endswith("/"):
            path = os.path.join(path, "index.html")
        if "gzip" not in self.headers.get("Accept-Encoding", "") or not os.path.isfile(path):
            super().do_GET()
            return
        with open(path, "rb") as file:
            body = gzip.compress(file.read())
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)


server = http.server.ThreadingHTTPServer(
    ("127.0.0.1", 0), functools.partial(Handler, directory=sys.argv[1]))
print(f"http://127.0.0.1:{server.server_port}/", flush=True)
server.serve_forever()

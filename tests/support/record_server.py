#!/usr/bin/env python3
"""A web server for the tool's tests, on 127.0.0.1 only: prints its port, then
answers every request with a small page and appends what it received (method,
path, headers, body as hex) as one JSON line to the file named by argv[1].
Paths that begin with /script/ answer a page that runs the rest of the path as
script (for pages that navigate or close themselves). It stops by itself after
argv[2] seconds (default 120)."""
import json
import sys
import threading
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer
from urllib.parse import unquote

LOG = sys.argv[1]
LIFETIME = float(sys.argv[2]) if len(sys.argv) > 2 else 120.0
lock = threading.Lock()


class Handler(BaseHTTPRequestHandler):
    def handle_any(self):
        length = int(self.headers.get("Content-Length") or 0)
        body = self.rfile.read(length) if length else b""
        with lock, open(LOG, "a") as log:
            log.write(json.dumps({"method": self.command, "path": self.path,
                                  "headers": {k.lower(): v for k, v in self.headers.items()},
                                  "body": body.hex()}) + "\n")
        script = unquote(self.path[len("/script/"):]) if self.path.startswith("/script/") else ""
        page = ("<html><head><title>Test Page</title></head><body><p>test page</p>"
                + (f"<script>{script}</script>" if script else "") + "</body></html>").encode()
        self.send_response(200)
        self.send_header("Content-Type", "text/html; charset=utf-8")
        self.send_header("Content-Length", str(len(page)))
        self.end_headers()
        self.wfile.write(page)

    do_GET = do_POST = handle_any

    def log_message(self, *args):
        pass


server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
print(server.server_address[1], flush=True)
threading.Timer(LIFETIME, server.shutdown).start()
server.serve_forever()

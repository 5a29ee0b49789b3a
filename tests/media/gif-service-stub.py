#!/usr/bin/env python3
"""A stand-in for the GIF search service on 127.0.0.1, for the tests.

Usage: gif-service-stub.py ROUTES_FILE LIFE_SECONDS

Prints "PORT <n>" once listening, then one line "GET <path?query>" per
request. ROUTES_FILE is JSON, read again for every request, mapping a path
(without query) to {"status": int, "body": text, "file": path,
"delay": seconds, "headers": {name: value}}; any other path answers 404.
The server exits by itself after LIFE_SECONDS.
"""
import json
import os
import sys
import threading
import time
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer


class Handler(BaseHTTPRequestHandler):
    routes_file = ""

    def do_GET(self):
        print("GET " + self.path, flush=True)
        path = self.path.split("?", 1)[0]
        try:
            with open(self.routes_file, encoding="utf-8") as f:
                route = json.load(f).get(path)
        except (OSError, ValueError):
            route = None
        if route is None:
            route = {"status": 404, "body": "not found"}
        time.sleep(route.get("delay", 0))
        if "file" in route:
            with open(route["file"], "rb") as f:
                body = f.read()
        else:
            body = route.get("body", "").encode("utf-8")
        try:
            self.send_response(route.get("status", 200))
            for name, value in route.get("headers", {}).items():
                self.send_header(name, value)
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body)
        except (BrokenPipeError, ConnectionResetError):
            pass  # the client gave up on this request

    def log_message(self, format, *args):
        pass


def main():
    Handler.routes_file = sys.argv[1]
    life = float(sys.argv[2])
    server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    threading.Timer(life, lambda: os._exit(0)).start()
    print("PORT %d" % server.server_address[1], flush=True)
    server.serve_forever()


if __name__ == "__main__":
    main()

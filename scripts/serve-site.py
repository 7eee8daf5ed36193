#!/usr/bin/env python3
"""Serves a folder as `python3 -m http.server` does, with the two headers that
make the page cross-origin isolated: only then may it share memory with its
worker, which "Stop !" needs to end a search without losing its last lines.
Usage: serve-site.py PORT DIRECTORY"""
import functools
import http.server
import sys


class IsolatedHandler(http.server.SimpleHTTPRequestHandler):
    def end_headers(self):
        self.send_header("Cross-Origin-Opener-Policy", "same-origin")
        self.send_header("Cross-Origin-Embedder-Policy", "require-corp")
        super().end_headers()


def main():
    port, directory = int(sys.argv[1]), sys.argv[2]
    handler = functools.partial(IsolatedHandler, directory=directory)
    with http.server.ThreadingHTTPServer(("127.0.0.1", port), handler) as server:
        server.serve_forever()


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""A small HTTP server on 127.0.0.1 for the draw update tests.

Serves the files of FOLDER. The file rules.json in FOLDER (read at every
request, so a test may change it between runs) can give a path another
answer:  {"/A1007056.CSV": {"status": 404} | {"delay": 3.0} |
{"redirect": "http://…"} | {"chunked": true} | {"gzip": true} |
{"endless": true} | {"gzip_zeros": MEGABYTES}}. "chunked" sends the file in
chunks of 7 bytes (or of the number given) without a Content-Length, "gzip" compressed, "endless" a chunked reply that never ends,
"gzip_zeros" that many megabytes of zeros compressed to a few kilobytes.
Every request is appended to FOLDER/requests.log as "time path user-agent".
Prints the port on the first line of stdout.
"""
import gzip
import http.server
import json
import os
import sys
import time

FOLDER = sys.argv[1]


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def do_GET(self):
        with open(os.path.join(FOLDER, "requests.log"), "a", encoding="utf-8") as log:
            log.write("%.3f %s %s\n" % (time.time(), self.path, self.headers.get("User-Agent", "")))
        rules = {}
        try:
            with open(os.path.join(FOLDER, "rules.json"), encoding="utf-8") as f:
                rules = json.load(f)
        except (OSError, ValueError):
            pass
        rule = rules.get(self.path, {})
        if "delay" in rule:
            time.sleep(rule["delay"])
        if "redirect" in rule:
            self.send_response(302)
            self.send_header("Location", rule["redirect"])
            self.send_header("Content-Length", "0")
            self.end_headers()
            return
        if rule.get("endless"):
            self.send_response(200)
            self.send_header("Content-Type", "text/csv")
            self.send_header("Transfer-Encoding", "chunked")
            self.end_headers()
            chunk = b"A" * 8192
            try:
                while True:
                    self.wfile.write(b"%x\r\n%s\r\n" % (len(chunk), chunk))
            except OSError:
                return
        if "gzip_zeros" in rule:
            body = gzip.compress(bytes(int(rule["gzip_zeros"] * 1024 * 1024)))
            self.send_response(200)
            self.send_header("Content-Type", "text/csv")
            self.send_header("Content-Encoding", "gzip")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            try:
                self.wfile.write(body)
            except OSError:
                pass
            return
        status = rule.get("status", 200)
        path = os.path.join(FOLDER, self.path.lstrip("/"))
        body = b"<html><body>Not Found</body></html>"
        if status == 200:
            if os.path.isfile(path) and "/" not in self.path.lstrip("/"):
                with open(path, "rb") as f:
                    body = f.read()
            else:
                status = 404
        self.send_response(status)
        self.send_header("Content-Type", "text/csv" if status == 200 else "text/html")
        if rule.get("gzip"):
            body = gzip.compress(body)
            self.send_header("Content-Encoding", "gzip")
        try:
            if rule.get("chunked"):
                size = rule["chunked"]
                step = size if isinstance(size, int) and not isinstance(size, bool) and size > 0 else 7
                self.send_header("Transfer-Encoding", "chunked")
                self.end_headers()
                for i in range(0, len(body), step):
                    piece = body[i:i + step]
                    self.wfile.write(b"%x\r\n%s\r\n" % (len(piece), piece))
                self.wfile.write(b"0\r\n\r\n")
            else:
                self.send_header("Content-Length", str(len(body)))
                self.end_headers()
                self.wfile.write(body)
        except OSError:
            pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
server.daemon_threads = True
print(server.server_address[1], flush=True)
server.serve_forever()

#!/usr/bin/env python3
"""A small HTTP server on 127.0.0.1 for the draw update tests.

Serves the files of FOLDER. The file rules.json in FOLDER (read at every
request, so a test may change it between runs) can give a path another
answer:  {"/A1007056.CSV": {"status": 404} | {"delay": 3.0} |
{"redirect": "http://…"} | {"chunked": 8192}}; "chunked" sends the file in
pieces of that many bytes without a Content-Length, as a server that
compresses or streams does. Every request is appended to FOLDER/requests.log
as "time path user-agent". Prints the port on the first line of stdout.
"""
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
        piece = rule.get("chunked", 0)
        if piece:
            self.send_header("Transfer-Encoding", "chunked")
        else:
            self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        try:
            if piece:
                for start in range(0, len(body), piece):
                    part = body[start:start + piece]
                    self.wfile.write(b"%x\r\n%s\r\n" % (len(part), part))
                self.wfile.write(b"0\r\n\r\n")
            else:
                self.wfile.write(body)
        except OSError:
            pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
server.daemon_threads = True
print(server.server_address[1], flush=True)
server.serve_forever()

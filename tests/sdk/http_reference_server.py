#!/usr/bin/env python3
"""An HTTP server built on the standard library, for checking the SDK's HTTP client against
a server written by others. Listens on 127.0.0.1 at a free port and prints the port on the
first line of standard output once it accepts connections.

Paths:
  /hello        200, "hello world" with a Content-Length
  /echo         200, the request as the server understood it (method, path, some headers,
                body), one "key: value" per line
  /cookie       200, sets the cookie id=42 with a Path and HttpOnly
  /chunked      200, the body "Wikipedia" in two chunks
  /empty        204 without a length
  /redirect     302 to /hello; /hits tells how often /redirect was asked for
  /close        200 without a length, body ends with the connection
"""
import sys
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

redirect_hits = 0


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"

    def log_message(self, *args):
        pass

    def _body(self):
        length = int(self.headers.get("Content-Length") or 0)
        return self.rfile.read(length) if length else b""

    def _send(self, status, body, headers=()):
        self.send_response(status)
        for name, value in headers:
            self.send_header(name, value)
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)

    def _answer(self):
        global redirect_hits
        body = self._body()
        if self.path == "/hello":
            self._send(200, b"hello world")
        elif self.path.startswith("/echo"):
            lines = [
                "method: " + self.command,
                "path: " + self.path,
                "host: " + str(self.headers.get("Host")),
                "cookie: " + str(self.headers.get("Cookie")),
                "length: " + str(self.headers.get("Content-Length")),
                "authorization: " + str(self.headers.get("Authorization")),
                "body: " + body.decode("latin-1"),
            ]
            self._send(200, ("\n".join(lines)).encode("latin-1"))
        elif self.path == "/cookie":
            self._send(200, b"", [("Set-Cookie", "id=42; Path=/; HttpOnly")])
        elif self.path == "/chunked":
            self.send_response(200)
            self.send_header("Transfer-Encoding", "chunked")
            self.end_headers()
            self.wfile.write(b"4\r\nWiki\r\n5\r\npedia\r\n0\r\n\r\n")
        elif self.path == "/empty":
            self.send_response(204)
            self.end_headers()
        elif self.path == "/redirect":
            redirect_hits += 1
            self._send(302, b"", [("Location", "/hello")])
        elif self.path == "/hits":
            self._send(200, str(redirect_hits).encode())
        elif self.path == "/close":
            self.send_response(200)
            self.send_header("Connection", "close")
            self.end_headers()
            self.wfile.write(b"to the end")
            self.close_connection = True
        else:
            self._send(404, b"")

    do_GET = _answer
    do_PUT = _answer
    do_POST = _answer


def main():
    server = ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    print(server.server_address[1], flush=True)
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass


if __name__ == "__main__":
    sys.exit(main())

"""The cameras' HTTP side: every camera serves on its own address and HTTP port.

One request per connection. The whole request body is read (GETs carry one too) before the
answer. Every request needs Basic authorisation with the camera's user and password (401
otherwise) and goes into the journal as protocol "http" with method, target (path and
query), headers in order ([name, value] pairs), body (latin-1 text) and body_hex (the same
bytes in hexadecimal, for readers whose JSON strings end at a NUL).

Fault knobs in camera["faults"]:
  http_status           {"<path>" or "command:<block command>" or "product:<command>": status}
  http_write_status     {"command:<block command>": status}: a write of the block is answered
                        with status and not kept; its reads are served as usual
  http_chunked          answer with a chunked body
  http_close_delimited  answer without a length; the closed connection ends the body
  http_set_cookie       "name=value": sent as Set-Cookie with the login's device record
  http_silent           accept and read the request, then never answer
  http_reply_command    block command code written into reply heads
  http_reply_channel    channel written into reply heads
  http_short_body       bytes cut from the end of a block reply
  http_delay            seconds to wait before every answer (a slow camera, for benchmarks)
  http_trickle          seconds between the bytes of every answer (status line, headers and
                        body go one byte at a time) until it is out or the client leaves

An upload also goes into the journal as protocol "upload": target, the file head's fields as
read (magic, word_4, reserved (true when all zero), size, word_60, action, name, md5,
head_length, size_again, file_type; none when no head was found), well_formed (the head as
the target expects it) and error (why the upload was refused, null when taken). A malformed
head is refused with 400.
"""
import asyncio
import base64
import struct
import urllib.parse

from simcore import ptz
from simcore.block_store import BlockStore
from simcore.product_tests import ProductTests
from simcore.tcp_service import READ_CHUNK, hold_until_closed, listen
from simcore.uploads import TARGETS as UPLOAD_TARGETS, check_upload

MAX_HEAD_BYTES = 64 * 1024
MAX_BODY_BYTES = 4 * 1024 * 1024
BLOCK_HEAD_BYTES = 16
BLOCK_MAGIC = b"KTVQ"
PROPERTY_PATH = "/NetSDK/Device/Property"
REASONS = {200: "OK", 400: "Bad Request", 401: "Unauthorized", 404: "Not Found",
           405: "Method Not Allowed", 500: "Internal Server Error"}
CONNECTION_TIMEOUT = 10.0


async def start(simulator):
    for camera in simulator.cameras:
        camera["blocks"] = BlockStore(camera)
        camera["product_tests"] = ProductTests(camera)

    async def serve(reader, writer, camera):
        await _serve(simulator, reader, writer, camera)

    await listen(simulator, simulator.cameras, lambda camera: camera["http_port"], serve)


class Request:
    def __init__(self, method, target, headers, body):
        self.method = method
        self.target = target
        self.path, _, query_text = target.partition("?")
        self.query = dict(urllib.parse.parse_qsl(query_text))
        self.headers = headers
        self.body = body

    def header(self, name):
        return next((value for key, value in self.headers if key.lower() == name.lower()), None)


class Reply:
    def __init__(self, status, body=b"", content_type="application/octet-stream"):
        self.status = status
        self.body = body
        self.content_type = content_type
        self.extra_headers = []
        # A journal entry about what the camera made of the request, beside the request's own.
        self.journal_fields = None


async def _serve(simulator, reader, writer, camera):
    try:
        request = await asyncio.wait_for(_read_request(reader), CONNECTION_TIMEOUT)
    except (ValueError, asyncio.TimeoutError):
        return
    simulator.journal.record(camera["id"], "http", method=request.method,
                             target=request.target, headers=request.headers,
                             body=request.body, body_hex=request.body.hex())
    faults = camera["faults"]
    if faults.get("http_silent"):
        await hold_until_closed(reader)
        return
    reply = _answer(camera, request)
    if reply.journal_fields:
        simulator.journal.record(camera["id"], **reply.journal_fields)
    await asyncio.sleep(float(faults.get("http_delay", 0)))
    data = _reply_bytes(reply, faults)
    if faults.get("http_trickle"):
        await _trickle(writer, data, float(faults["http_trickle"]))
    else:
        writer.write(data)
        await writer.drain()


async def _trickle(writer, data, pause):
    for index in range(len(data)):
        if index:
            await asyncio.sleep(pause)
        writer.write(data[index:index + 1])
        await writer.drain()


async def _read_request(reader):
    data = b""
    while b"\r\n\r\n" not in data:
        if len(data) > MAX_HEAD_BYTES:
            raise ValueError("request head too long")
        piece = await reader.read(READ_CHUNK)
        if not piece:
            raise ValueError("connection closed in the head")
        data += piece
    head, _, body = data.partition(b"\r\n\r\n")
    lines = head.decode("latin-1").split("\r\n")
    method, target, _version = lines[0].split(" ", 2)
    headers = []
    for line in lines[1:]:
        name, _, value = line.partition(":")
        headers.append([name.strip(), value.strip()])
    request = Request(method, target, headers, b"")
    length = int(request.header("Content-Length") or 0)
    if length < 0 or length > MAX_BODY_BYTES:
        raise ValueError(f"body length {length}")
    while len(body) < length:
        piece = await reader.read(min(READ_CHUNK, length - len(body)))
        if not piece:
            raise ValueError("connection closed in the body")
        body += piece
    request.body = body[:length]
    return request


def _authorised(camera, request):
    expected = base64.b64encode(f"{camera['user']}:{camera['password']}".encode()).decode()
    return request.header("Authorization") == f"Basic {expected}"


def _answer(camera, request):
    if not _authorised(camera, request):
        reply = Reply(401, b"Unauthorized", "text/plain")
        reply.extra_headers.append(("WWW-Authenticate", 'Basic realm="camera"'))
        return reply
    override = camera["faults"].get("http_status", {}).get(request.path)
    if override:
        return Reply(override, b"", "text/plain")
    route = ROUTES.get(request.path)
    if route is None:
        return Reply(404, b"Not Found", "text/plain")
    methods, handler = route
    if request.method not in methods:
        return Reply(405, b"", "text/plain")
    return handler(camera, request)


# ---- Property blocks ----------------------------------------------------------------------

def _block_head(length, channel, command):
    return BLOCK_MAGIC + struct.pack(">IBBHHH", length, 1, 3, channel, command, 0)


def _parse_block_head(body):
    if len(body) < BLOCK_HEAD_BYTES or body[:4] != BLOCK_MAGIC or body[8:10] != b"\x01\x03":
        return None
    length, channel, command = struct.unpack_from(">I2xHH", body, 4)
    return length, channel, command


def _property(camera, request):
    head = _parse_block_head(request.body)
    if head is None:
        return Reply(400, b"bad block head", "text/plain")
    length, channel, command = head
    override = camera["faults"].get("http_status", {}).get(f"command:{command}")
    if override:
        return Reply(override, b"", "text/plain")
    store = camera["blocks"]
    if request.method == "PUT":
        refusal = camera["faults"].get("http_write_status", {}).get(f"command:{command}")
        if refusal:
            return Reply(refusal, b"", "text/plain")
        body = request.body[BLOCK_HEAD_BYTES:]
        if len(body) != length or not store.write(command, channel, body):
            return Reply(400, b"block refused", "text/plain")
        return Reply(200, b"", "text/plain")
    block = store.read(command, channel)
    if block is None or length != len(block):
        return Reply(400, b"unknown block", "text/plain")
    return _block_reply(camera, command, channel, block)


def _block_reply(camera, command, channel, block):
    faults = camera["faults"]
    head = _block_head(len(block), faults.get("http_reply_channel", channel),
                       faults.get("http_reply_command", command))
    data = head + block
    if faults.get("http_short_body"):
        data = data[: len(data) - faults["http_short_body"]]
    reply = Reply(200, data)
    if command == 0 and faults.get("http_set_cookie"):
        reply.extra_headers.append(("Set-Cookie", f"{faults['http_set_cookie']}; Path=/; HttpOnly"))
    return reply


# ---- Commands ----------------------------------------------------------------------------

def _plain_ok(_camera, _request):
    return Reply(200, b"", "text/plain")


def _factory_reset(camera, _request):
    camera["blocks"].reset()
    return Reply(200, b"", "text/plain")


def _alarm_tone(_camera, request):
    tone = request.query.get("Type", "")
    if request.query.get("Action") != "Play" or not (len(tone) == 6 and tone.startswith("Type")
                                                     and tone[4:].isdigit()):
        return Reply(400, b"", "text/plain")
    return Reply(200, b"", "text/plain")


def _product_test(camera, request):
    try:
        command = int(request.query.get("Cmd", ""), 16)
    except ValueError:
        return Reply(400, b"", "text/plain")
    override = camera["faults"].get("http_status", {}).get(f"product:{command}")
    if override:
        return Reply(override, b"", "text/plain")
    if ptz.handles(command):
        status, body = ptz.answer(camera, command, request.body)
        return Reply(status, body, "application/json")
    status, text = camera["product_tests"].answer(command, request.body)
    return Reply(status, text.encode("utf-8"), "application/json")


def _snapshot(_camera, _request):
    return Reply(200, b"\xff\xd8\xff\xe0camsim picture\xff\xd9", "image/jpeg")


def _upload(camera, request):
    fields, well_formed, problem = check_upload(
        request.path, request.query, request.header("Content-Type"), request.header("X-CheckSum"),
        request.body)
    reply = Reply(400, problem.encode(), "text/plain") if problem else Reply(200, b"", "text/plain")
    reply.journal_fields = dict(protocol="upload", target=request.target,
                                well_formed=well_formed, error=problem, **fields)
    return reply


# path -> (methods taken, handler)
ROUTES = {
    PROPERTY_PATH: (("GET", "PUT"), _property),
    "/NetSDK/System/Reboot": (("PUT",), _plain_ok),
    "/NetSDK/System/DefaultFactory": (("PUT",), _factory_reset),
    "/NetSDK/System/AlarmTone": (("PUT",), _alarm_tone),
    "/NetSDK/System/ProductTest": (("POST",), _product_test),
    "/NetSDK/Media/Video/Snapshot": (("GET",), _snapshot),
}
ROUTES.update({path: (("POST",), _upload) for path in UPLOAD_TARGETS})


# ---- Reply bytes ---------------------------------------------------------------------------

def _reply_bytes(reply, faults):
    lines = [f"HTTP/1.1 {reply.status} {REASONS.get(reply.status, 'Status')}",
             f"Content-Type: {reply.content_type}", "Connection: close"]
    lines += [f"{name}: {value}" for name, value in reply.extra_headers]
    if faults.get("http_chunked"):
        lines.append("Transfer-Encoding: chunked")
        body = _chunked(reply.body)
    elif faults.get("http_close_delimited"):
        body = reply.body
    else:
        lines.append(f"Content-Length: {len(reply.body)}")
        body = reply.body
    return ("\r\n".join(lines) + "\r\n\r\n").encode("latin-1") + body


def _chunked(body, size=1000):
    pieces = [b"%x\r\n%s\r\n" % (len(body[i:i + size]), body[i:i + size])
              for i in range(0, len(body), size)]
    return b"".join(pieces) + b"0\r\n\r\n"

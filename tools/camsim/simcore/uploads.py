"""File uploads: a multipart body whose file part starts with the 144-byte "KVTQ" head.

The head carries the MD5 of the file data; the X-CheckSum header the MD5 of head and data
together. A camera takes the file only when its head is well formed (every field below as
the target expects) and both checksums match.
"""
import hashlib
import re
import struct

HEAD_BYTES = 144
HEAD_MAGIC = b"KVTQ"
NAME_BYTES = 32
# the request path and the action of its query, with the file types it takes
TARGETS = {"/System/ISP/UploadConfigFile": ("101", (513, 514)),
           "/System/OEM/UploadFile": ("103", (769, 770, 771))}
# The head's fields: (journal name, offset, size, kind). Words are little-endian; "zero"
# fields must hold nothing but zero bytes.
HEAD_FIELDS = (
    ("magic", 0, 4, "text"),
    ("word_4", 4, 4, "word"),
    ("reserved", 8, 48, "zero"),
    ("size", 56, 4, "word"),
    ("word_60", 60, 4, "word"),
    ("action", 64, 4, "word"),
    ("name", 68, NAME_BYTES, "name"),
    ("md5", 100, 32, "text"),
    ("head_length", 132, 4, "word"),
    ("size_again", 136, 4, "word"),
    ("file_type", 140, 4, "word"),
)


class UploadError(ValueError):
    """A body that holds no file head to read."""


def read_head(head):
    """The fields of a 144-byte head by their journal names (text as latin-1); a name
    without its NUL comes back as None."""
    fields = {}
    for name, offset, size, kind in HEAD_FIELDS:
        raw = head[offset:offset + size]
        if kind == "word":
            fields[name] = struct.unpack("<I", raw)[0]
        elif kind == "zero":
            fields[name] = raw == bytes(size)
        elif kind == "name":
            fields[name] = raw.split(b"\0", 1)[0].decode("latin-1") if b"\0" in raw else None
        else:
            fields[name] = raw.decode("latin-1")
    return fields


def head_problem(fields, path, content):
    """Why a head read by read_head does not fit this upload, or None when it is well
    formed."""
    action, file_types = TARGETS[path]
    expected = {"magic": HEAD_MAGIC.decode(), "word_4": 1, "reserved": True, "word_60": 1,
                "action": int(action, 16), "head_length": HEAD_BYTES, "size": len(content),
                "size_again": len(content),
                "md5": hashlib.md5(content).hexdigest().upper()}
    for name, value in expected.items():
        if fields[name] != value:
            return f"{name} is {fields[name]!r}, expected {value!r}"
    if not fields["name"]:
        return "no NUL-terminated file name"
    if fields["file_type"] not in file_types:
        return f"file type {fields['file_type']} on {path}"
    return None


def check_upload(path, query, content_type, checksum, body):
    """(head fields, whether the head is well formed, why the upload is refused or None).
    The fields are empty when no head could be found."""
    action, _ = TARGETS[path]
    try:
        if query.get("Action") != action:
            raise UploadError(f"action {query.get('Action')} on {path}")
        data = _file_part(body, _boundary(content_type))
        if len(data) < HEAD_BYTES:
            raise UploadError("no file head")
    except UploadError as error:
        return {}, False, str(error)
    head, content = data[:HEAD_BYTES], data[HEAD_BYTES:]
    fields = read_head(head)
    problem = head_problem(fields, path, content)
    if problem is not None:
        return fields, False, problem
    if checksum != hashlib.md5(data).hexdigest().upper():
        return fields, True, "X-CheckSum does not match"
    return fields, True, None


def _boundary(content_type):
    match = re.match(r"multipart/form-data;\s*boundary=(\S+)$", content_type or "")
    if not match:
        raise UploadError(f"content type {content_type!r}")
    return match.group(1).encode("latin-1")


def _file_part(body, boundary):
    """The content of the part named Filedata."""
    delimiter = b"--" + boundary
    if not body.endswith(b"\r\n" + delimiter + b"--\r\n"):
        raise UploadError("body does not end with the closing boundary")
    body = body[: -len(b"\r\n" + delimiter + b"--\r\n")]
    for part in body.split(delimiter + b"\r\n")[1:]:
        headers, separator, content = part.partition(b"\r\n\r\n")
        if separator and b"name=Filedata" in headers:
            return content
    raise UploadError("no Filedata part")

"""File uploads: a multipart body whose file part starts with the 144-byte "KVTQ" head.

The head carries the MD5 of the file data; the X-CheckSum header the MD5 of head and data
together. A camera takes the file only when both match.
"""
import hashlib
import re
import struct

HEAD_BYTES = 144
HEAD_MAGIC = b"KVTQ"
# the request path and the action of its query, with the file types it takes
TARGETS = {"/System/ISP/UploadConfigFile": ("101", (513, 514)),
           "/System/OEM/UploadFile": ("103", (769, 770, 771))}


class UploadError(ValueError):
    pass


def check_upload(path, query, content_type, checksum, body):
    """Returns a dict describing the accepted file, or raises UploadError."""
    action, file_types = TARGETS[path]
    if query.get("Action") != action:
        raise UploadError(f"action {query.get('Action')} on {path}")
    boundary = _boundary(content_type)
    data = _file_part(body, boundary)
    if len(data) < HEAD_BYTES or data[:4] != HEAD_MAGIC:
        raise UploadError("no file head")
    head, content = data[:HEAD_BYTES], data[HEAD_BYTES:]
    size, = struct.unpack_from("<I", head, 56)
    head_length, size_again, file_type = struct.unpack_from("<III", head, 132)
    if head_length != HEAD_BYTES or size != size_again or size != len(content):
        raise UploadError(f"file size {size} in the head, {len(content)} sent")
    if file_type not in file_types:
        raise UploadError(f"file type {file_type} on {path}")
    if head[100:132] != hashlib.md5(content).hexdigest().upper().encode():
        raise UploadError("file MD5 in the head does not match")
    if checksum != hashlib.md5(data).hexdigest().upper():
        raise UploadError("X-CheckSum does not match")
    name = head[68:100].split(b"\0", 1)[0].decode("latin-1")
    return {"name": name, "size": size, "file_type": file_type,
            "action": struct.unpack_from("<I", head, 64)[0]}


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

"""The journal: one JSON line per message a camera received."""
import json
import time


class Journal:
    def __init__(self, path):
        self._file = open(path, "a", encoding="utf-8")

    def record(self, camera_id, protocol, **fields):
        """Appends one entry; fields must be JSON-serialisable (bytes go as latin-1 text)."""
        entry = {"time": time.time(), "camera": camera_id, "protocol": protocol}
        entry.update({key: _jsonable(value) for key, value in fields.items()})
        line = json.dumps(entry, ensure_ascii=False) + "\n"
        self._file.write(line)
        self._file.flush()


def _jsonable(value):
    if isinstance(value, (bytes, bytearray)):
        return bytes(value).decode("latin-1")
    return value

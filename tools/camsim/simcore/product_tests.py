"""The JSON product-test commands of a camera: gets, sets and the camera's defaults (the
pan/tilt commands are ptz.py's). Each camera keeps its own copy of the settings.

Camera keys (all optional), for cameras whose answers differ from the usual ones:
    "product_settings": {"record": {...}, "schedule": {...}, ...}  current values, each
        object replacing the usual one whole (so keys can be left out)
    "product_defaults": {...}  the same for the camera's defaults
    "record_time_choices": [...]  the "max_record_time_enum" list; null leaves the key out
    "storage": {...}  the reply to command 50
"""
import copy
import json

DEFAULTS = {
    "record": {"allow_overwrite": True, "max_record_time": 10, "video_stream": 0,
               "media_format": 0, "with_audio": True},
    "schedule": {"enabled": False, "sunday": [], "monday": [{"start_time": 0, "duration": 3600}],
                 "tuesday": [], "wednesday": [], "thursday": [], "friday": [], "saturday": []},
    "jt808": {"enabled": False, "server_host": "", "server_port": 7611, "plate_number": "",
              "plate_color": "1", "terminal_id": "", "terminal_model": "", "manufacturer_id": "",
              "province_id": 0, "city_id": 0},
    "rtmp": {"enabled": False, "stream_type": 0, "remote_host": "", "remote_port": 1935,
             "app_name": "live", "stream_id": ""},
}
RECORD_TIME_CHOICES = ["5", "10", "30", "60"]
STORAGE = {"total": 30436, "free": 12001}  # MiB
CAPABILITIES = {"ptz": True, "audio": True, "sdcard": True, "wifi": False, "humanoid": True}

# get, set and get-defaults command numbers of each settings object
SETTINGS_COMMANDS = {52: ("record", "get"), 53: ("record", "set"), 54: ("record", "defaults"),
                     55: ("schedule", "get"), 56: ("schedule", "set"),
                     57: ("schedule", "defaults"), 130: ("jt808", "get"),
                     131: ("jt808", "set"), 150: ("rtmp", "get"), 151: ("rtmp", "set"),
                     152: ("rtmp", "defaults")}


class ProductTests:
    def __init__(self, camera=None):
        camera = camera or {}
        self._defaults = copy.deepcopy(DEFAULTS)
        self._defaults.update(copy.deepcopy(camera.get("product_defaults", {})))
        self._settings = copy.deepcopy(DEFAULTS)
        self._settings.update(copy.deepcopy(camera.get("product_settings", {})))
        self._record_time_choices = camera.get("record_time_choices", RECORD_TIME_CHOICES)
        self._storage = camera.get("storage", STORAGE)

    def answer(self, command, body):
        """(HTTP status, reply text) for one command with its request body (bytes)."""
        if command in SETTINGS_COMMANDS:
            return self._settings_command(*SETTINGS_COMMANDS[command], body)
        if command == 50:
            return 200, json.dumps(self._storage)
        if command == 120:
            return 200, json.dumps({"capabilities": CAPABILITIES})
        return 404, json.dumps({"code": -1})

    def _settings_command(self, name, kind, body):
        if kind == "get":
            reply = dict(self._settings[name])
            if name == "record" and self._record_time_choices is not None:
                reply["max_record_time_enum"] = self._record_time_choices
            return 200, json.dumps(reply)
        if kind == "defaults":
            return 200, json.dumps(self._defaults[name])
        values = _json_object(body)
        if values is None:
            return 400, json.dumps({"code": -1})
        self._settings[name].update(values)
        return 200, json.dumps({"code": 0})


def _json_object(body):
    try:
        value = json.loads(body.decode("utf-8"))
    except (UnicodeDecodeError, ValueError):
        return None
    return value if isinstance(value, dict) else None

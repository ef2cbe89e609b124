"""The cameras' PTZ product-test commands, answered through the HTTP service.

A PTZ command is a product test (POST /NetSDK/System/ProductTest?Cmd=<hex>) with a
compact JSON body:
  0x50 (80) move    {"direction": "up"|"down"|"left"|"right", "speed": 1..255}
  0x51 (81) stop    empty body
  0x52 (82) reset   empty body
  0x53 (83) preset list   empty body; answers {"list": [stored preset numbers]}
  0x54 (84) preset  {"operate": "call"|"set"|"clear", "preset": 1..255}
  0x55 (85) lens    {"operate": "zoom_wide"|"zoom_tele"|"focus_near"|"focus_far"|
                                "iris_close"|"iris_open"}
A malformed body, an unknown value, calling or clearing a preset that is not stored are
refused with 400. Each camera keeps its preset list in camera["presets"] (the config may
give one; presets 1 and 2 by default). The HTTP service journals every request; a refusal of the
whole command is its "http_status" knob ("product:84": 500).

Fault knob in camera["faults"]:
  "preset_list_reply": TEXT      the body of every preset-list answer, verbatim
"""
import json

MOVE, STOP, RESET, PRESET_LIST, PRESET, LENS = 0x50, 0x51, 0x52, 0x53, 0x54, 0x55
COMMANDS = (MOVE, STOP, RESET, PRESET_LIST, PRESET, LENS)

DIRECTIONS = ("up", "down", "left", "right")
LENS_OPERATIONS = ("zoom_wide", "zoom_tele", "focus_near", "focus_far", "iris_close", "iris_open")
PRESET_OPERATIONS = ("call", "set", "clear")
HIGHEST_PRESET = 255
DEFAULT_PRESETS = (1, 2)
HIGHEST_SPEED = 255

OK = 200
BAD_REQUEST = 400


def handles(command):
    """True for the commands this module answers."""
    return command in COMMANDS


def answer(camera, command, body):
    """(HTTP status, reply body bytes) for one PTZ command of camera; body is bytes."""
    try:
        status, reply = _HANDLERS[command](camera, _parse(body))
    except ValueError:
        status, reply = BAD_REQUEST, {"result": -1}
    if isinstance(reply, str):
        return status, reply.encode("utf-8")
    return status, json.dumps(reply).encode("utf-8")


def _parse(body):
    """The JSON object of a body, or None for an empty one. Raises ValueError."""
    if not body.strip():
        return None
    request = json.loads(body.decode("utf-8"))
    if not isinstance(request, dict):
        raise ValueError("not a JSON object")
    return request


def _number(request, key, highest):
    value = request.get(key) if request else None
    if not isinstance(value, int) or isinstance(value, bool) or not 1 <= value <= highest:
        raise ValueError(f"{key} out of range")
    return value


def _choice(request, key, choices):
    value = request.get(key) if request else None
    if value not in choices:
        raise ValueError(f"unknown {key}")
    return value


def _move(camera, request):
    _choice(request, "direction", DIRECTIONS)
    _number(request, "speed", HIGHEST_SPEED)
    return OK, {"result": 0}


def _no_body(camera, request):
    return OK, {"result": 0}


def _lens(camera, request):
    _choice(request, "operate", LENS_OPERATIONS)
    return OK, {"result": 0}


def _preset_list(camera, request):
    override = camera["faults"].get("preset_list_reply")
    if override is not None:
        return OK, override
    return OK, {"list": list(camera.setdefault("presets", list(DEFAULT_PRESETS)))}


def _preset(camera, request):
    operate = _choice(request, "operate", PRESET_OPERATIONS)
    number = _number(request, "preset", HIGHEST_PRESET)
    presets = camera.setdefault("presets", list(DEFAULT_PRESETS))
    if operate == "set":
        if number not in presets:
            presets.append(number)
            presets.sort()
    elif number not in presets:
        raise ValueError("no such preset")
    elif operate == "clear":
        presets.remove(number)
    return OK, {"result": 0}


_HANDLERS = {
    MOVE: _move,
    STOP: _no_body,
    RESET: _no_body,
    PRESET_LIST: _preset_list,
    PRESET: _preset,
    LENS: _lens,
}

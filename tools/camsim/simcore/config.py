"""Camera records from the JSON config, with defaults for everything left out."""
import json

CAMERA_DEFAULTS = {
    "user": "admin",
    "password": "",
    "http_port": 80,
    "stream_port": 1680,
    "model": 0,
    "device_name": "IPC",
    "hardware_version": "HW-1.0",
    "firmware_version": "FW-1.0.0",
    "uid": "",
    "uuid": "",
    "dns1": "8.8.8.8",
    "dns2": "8.8.4.4",
    # Per-camera fault knobs; each service documents the ones it reads.
    "faults": {},
}


def load_config(path):
    """Returns {"cameras": [camera dict, ...], ...} with defaults filled in.

    Each camera needs at least "id" and "ip"; "nics" defaults to one interface at "ip".
    """
    with open(path, encoding="utf-8") as source:
        config = json.load(source)
    cameras = config.get("cameras")
    if not isinstance(cameras, list) or not cameras:
        raise ValueError(f"{path}: no cameras")
    config["cameras"] = [_with_defaults(camera, index) for index, camera in enumerate(cameras)]
    return config


def _with_defaults(camera, index):
    if not isinstance(camera, dict) or "id" not in camera or "ip" not in camera:
        raise ValueError(f"camera {index}: needs an id and an ip")
    record = dict(CAMERA_DEFAULTS)
    record["faults"] = {}
    record.update(camera)
    record.setdefault("nics", [{
        "name": "eth0", "ip": camera["ip"], "mask": "255.255.255.0",
        "gateway": camera["ip"].rsplit(".", 1)[0] + ".1",
        "mac": "00:12:34:%02X:%02X:%02X" % (index >> 16 & 255, index >> 8 & 255, index & 255),
        "dhcp": 0,
    }])
    return record

"""Drives bench/search inside the test bed (see that script)."""
import json
import os
import subprocess
import sys
import tempfile
import time

CAMERA_COUNTS = (50, 250, 1000, 10000)
TIMEOUT_SECONDS = 2
ALLOWED_OVERRUN_MS = 200
READY_TIMEOUT_SECONDS = 60
# camsim's start-up targets: ready within these seconds for at least this many cameras.
READY_TARGETS = ((10000, 30), (1000, 5), (0, 5))


def camera_address(index):
    """Addresses on the test bed's wide network 10.78.0.0/16, from 10.78.1.0 on."""
    return f"10.78.{1 + index // 250}.{index % 250}"


def in_camera_namespace(command):
    return ["nsenter", f"--net={os.environ['TESTBED_CAMERA_NETNS']}"] + command


def add_camera_addresses(count):
    # Services that bind each camera's own address need the address on the camera side.
    lines = "".join(f"addr add {camera_address(i)}/16 dev vc9\n" for i in range(count))
    subprocess.run(in_camera_namespace(["ip", "-force", "-batch", "-"]), input=lines,
                   text=True, check=False, capture_output=True)


def cameras(count):
    return {"cameras": [{"id": f"BENCH{i:04d}", "ip": camera_address(i),
                         "device_name": f"Bench camera {i}"} for i in range(count)]}


def run_one(count, probe, camsim):
    with tempfile.TemporaryDirectory(prefix="bench-search.") as folder:
        config = os.path.join(folder, "cameras.json")
        ready = os.path.join(folder, "ready")
        with open(config, "w", encoding="utf-8") as file:
            json.dump(cameras(count), file)
        simulator = subprocess.Popen(in_camera_namespace(
            [sys.executable, camsim, "--config", config,
             "--journal", os.path.join(folder, "journal.jsonl"), "--ready", ready]))
        try:
            started = time.monotonic()
            deadline = started + READY_TIMEOUT_SECONDS
            while not os.path.exists(ready):
                if simulator.poll() is not None or time.monotonic() > deadline:
                    raise RuntimeError("camsim did not come up")
                time.sleep(0.01)
            ready_ms = (time.monotonic() - started) * 1000
            output = subprocess.run([probe, os.environ["TESTBED_WIDE_LOCAL"],
                                     str(TIMEOUT_SECONDS)], check=True, capture_output=True,
                                    text=True).stdout
        finally:
            simulator.terminate()
            simulator.wait()
    line = output.strip().splitlines()[-1]
    result = dict((key, float(value)) for key, value in (pair.split("=") for pair in line.split()))
    result["ready_ms"] = ready_ms
    return result


def ready_target_ms(count):
    return next(seconds for least, seconds in READY_TARGETS if count >= least) * 1000


def main(probe, camsim):
    add_camera_addresses(max(CAMERA_COUNTS))
    print(f"{'cameras':>8} {'ready ms':>9} {'found':>6} {'elapsed ms':>11} {'time-out ms':>12} "
          f"{'cpu ms':>7}  target")
    all_met = True
    for count in CAMERA_COUNTS:
        result = run_one(count, probe, camsim)
        met = (result["found"] == count and
               result["elapsed_ms"] <= TIMEOUT_SECONDS * 1000 + ALLOWED_OVERRUN_MS and
               result["ready_ms"] <= ready_target_ms(count))
        all_met &= met
        print(f"{count:>8} {int(result['ready_ms']):>9} {int(result['found']):>6} "
              f"{int(result['elapsed_ms']):>11} "
              f"{TIMEOUT_SECONDS * 1000:>12} {result['cpu_ms']:>7.1f}  {'met' if met else 'MISSED'}")
    return 0 if all_met else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))

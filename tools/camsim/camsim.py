#!/usr/bin/env python3
"""camsim: plays many IP cameras at once for the kit's tests and demos.

Each camera of the JSON config has its own address; every protocol service listed in
SERVICES serves all cameras, all on one event loop. Every message a camera receives goes as one JSON line into
the journal, so tests assert on what the cameras saw.

    camsim.py --config cameras.json --journal journal.jsonl [--ready FILE]

The ready file is written once every service listens; SIGTERM or SIGINT ends the run.
SIGHUP reads the config again and gives each camera the fault knobs it names there, so that
a test can make a camera fail midway without a new simulator; the journal notes when.
"""
import argparse
import signal
import sys

from simcore.config import load_config
from simcore.journal import Journal
from simcore.simulator import Simulator

# Protocol services, each a module of simcore with an async start(simulator) function.
SERVICES = ["search", "http", "stream", "alarm", "upgrade", "byte_sinks", "rtsp"]


def parse_arguments(argv):
    parser = argparse.ArgumentParser(description="Simulated IP cameras")
    parser.add_argument("--config", required=True, help="JSON file describing the cameras")
    parser.add_argument("--journal", required=True, help="JSON-lines file of received messages")
    parser.add_argument("--ready", help="file written once every service listens")
    return parser.parse_args(argv)


def main(argv):
    arguments = parse_arguments(argv)
    try:
        config = load_config(arguments.config)
    except (OSError, ValueError) as error:
        print(f"camsim: {error}", file=sys.stderr)
        return 2
    simulator = Simulator(config, Journal(arguments.journal))
    for number in (signal.SIGTERM, signal.SIGINT):
        simulator.loop.add_signal_handler(number, simulator.stop)
    simulator.loop.add_signal_handler(
        signal.SIGHUP, lambda: _take_faults(simulator, arguments.config))
    simulator.run(SERVICES, lambda: _write_ready(arguments.ready))
    return 0


def _take_faults(simulator, path):
    try:
        simulator.take_faults(load_config(path)["cameras"])
    except (OSError, ValueError) as error:
        print(f"camsim: faults not taken: {error}", file=sys.stderr)


def _write_ready(path):
    if path:
        with open(path, "w", encoding="utf-8") as ready:
            ready.write("ready\n")


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

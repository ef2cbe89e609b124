"""The simulator: the cameras, the journal and the stop signal that services share."""
import threading


class Simulator:
    def __init__(self, config, journal):
        self.config = config
        self.cameras = config["cameras"]
        self.journal = journal
        self.stopping = threading.Event()
        # Guards the camera records: services change them (a new address, stored blocks)
        # from their own threads.
        self.lock = threading.Lock()

    def camera_at(self, address):
        """The camera whose own address is address, or None."""
        with self.lock:
            return next((c for c in self.cameras if c["ip"] == address), None)

    def camera_by_id(self, device_id):
        with self.lock:
            return next((c for c in self.cameras if c["id"] == device_id), None)

    def stop(self):
        self.stopping.set()

    def wait(self):
        # A signal interrupts the wait, so a stop request ends the run at once.
        self.stopping.wait()

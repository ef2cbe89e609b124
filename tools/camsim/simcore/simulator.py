"""The simulator: the cameras, the journal and the one event loop that every service runs on.

Each service module has `async def start(simulator)`, which opens its sockets on the loop;
from then on everything a camera does (answers, streams, timers) is a callback or a task of
that loop, so one thread serves any number of cameras.
"""
import asyncio
import importlib
import threading


class Simulator:
    def __init__(self, config, journal):
        self.config = config
        self.cameras = config["cameras"]
        self.journal = journal
        self.loop = asyncio.new_event_loop()
        self._by_id = {camera["id"]: camera for camera in self.cameras}
        self._stopped = self.loop.create_future()
        self._thread = None
        # Listening sockets and servers, closed when the run ends.
        self._to_close = []

    def camera_by_id(self, device_id):
        return self._by_id.get(device_id)

    def take_faults(self, cameras):
        """Gives every camera the fault knobs of its namesake in cameras (camera dicts as the
        config holds them; one not named there keeps its own), and journals that it did, as
        protocol "control", action "faults". Runs on the loop, between two answers."""
        for camera in cameras:
            known = self._by_id.get(camera.get("id"))
            if known is not None:
                known["faults"] = camera.get("faults", {})
        self.journal.record(None, "control", action="faults")

    def close_at_end(self, closable):
        self._to_close.append(closable)

    def run(self, services, on_ready=lambda: None):
        """Starts the services (module names under simcore) and serves until stop();
        on_ready runs once every service listens."""
        asyncio.set_event_loop(self.loop)
        try:
            self.loop.run_until_complete(self._start(services))
            on_ready()
            self.loop.run_until_complete(self._stopped)
        finally:
            self.loop.run_until_complete(self._end_tasks())
            self.loop.close()

    def start_in_thread(self, services):
        """run() on a thread of its own, returning once the services listen (for tests)."""
        ready = threading.Event()
        failure = []

        def serve():
            try:
                self.run(services, ready.set)
            except Exception as error:  # handed to the caller below
                failure.append(error)
                ready.set()

        self._thread = threading.Thread(target=serve, name="camsim", daemon=True)
        self._thread.start()
        ready.wait()
        if failure:
            raise failure[0]

    def stop(self):
        """Ends run(); may be called from any thread or a signal handler."""
        if self.loop.is_closed():
            return
        self.loop.call_soon_threadsafe(
            lambda: self._stopped.done() or self._stopped.set_result(None))
        if self._thread is not None and self._thread is not threading.current_thread():
            self._thread.join()

    async def _start(self, services):
        for name in services:
            await importlib.import_module(f"simcore.{name}").start(self)

    async def _end_tasks(self):
        for closable in self._to_close:
            closable.close()
        tasks = [task for task in asyncio.all_tasks(self.loop)
                 if task is not asyncio.current_task()]
        for task in tasks:
            task.cancel()
        await asyncio.gather(*tasks, return_exceptions=True)

"""A private CUPS scheduler for the printing tests.

Each instance lives in its own temporary folder: its configuration, spool, logs and a
domain socket to talk to it, so test runs never meet each other nor the machine's own CUPS.
Its one queue, "label", passes each job through unchanged to a small backend that stores it as
a file; Qt's CUPS printing submits PDF, so every job arrives as a PDF file in `out_dir`.
"""

import glob
import os
import subprocess
import tempfile
import time

QUEUE = "label"
SYSTEM_SERVER_BIN = "/usr/lib/cups"

BACKEND = """#!/bin/sh
# Stores each job's data unchanged in the folder named by the device URI.
if [ $# -eq 0 ]; then
    echo 'file pdffile "Unknown" "Job data to a file"'
    exit 0
fi
umask 022
out=${DEVICE_URI#pdffile:}
if [ $# -ge 6 ]; then cat "$6"; else cat; fi > "$out/job-$1.part" || exit 1
mv "$out/job-$1.part" "$out/job-$1.pdf"
"""

CUPS_FILES_CONF = """ServerRoot {root}/conf
ServerBin {root}/bin
RequestRoot {root}/spool
CacheDir {root}/cache
StateDir {root}/state
TempDir {root}/tmp
ErrorLog {root}/log/error_log
AccessLog {root}/log/access_log
PageLog {root}/log/page_log
SystemGroup root
"""

CUPSD_CONF = """Listen {root}/cups.sock
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
"""


def wait_until(condition, timeout, what):
    """Polls condition every few milliseconds until it is true or timeout seconds pass."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(0.02)
    raise TimeoutError(f"timed out waiting for {what}")


class PrivateCups:
    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="sabbeth-cups-")
        os.chmod(self.root, 0o755)
        self.socket = os.path.join(self.root, "cups.sock")
        self.out_dir = os.path.join(self.root, "out")
        self.process = None

    @property
    def env(self):
        return {"CUPS_SERVER": self.socket}

    def start(self, timeout=20):
        for sub in ("conf", "bin/backend", "spool", "cache", "state", "tmp", "log", "out"):
            os.makedirs(os.path.join(self.root, sub), exist_ok=True)
        # The backend runs as the scheduler's unprivileged user and must be able to write here.
        os.chmod(self.out_dir, 0o777)
        for sub in ("cgi-bin", "daemon", "driver", "filter", "monitor", "notifier"):
            os.symlink(os.path.join(SYSTEM_SERVER_BIN, sub), os.path.join(self.root, "bin", sub))
        backend = os.path.join(self.root, "bin/backend/pdffile")
        with open(backend, "w") as f:
            f.write(BACKEND)
        os.chmod(backend, 0o755)
        files_conf = os.path.join(self.root, "conf/cups-files.conf")
        cupsd_conf = os.path.join(self.root, "conf/cupsd.conf")
        with open(files_conf, "w") as f:
            f.write(CUPS_FILES_CONF.format(root=self.root))
        with open(cupsd_conf, "w") as f:
            f.write(CUPSD_CONF.format(root=self.root))
        self.process = subprocess.Popen(["cupsd", "-f", "-c", cupsd_conf, "-s", files_conf],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_until(self._running, timeout, "the private cupsd")

    def add_pdf_queue(self):
        self._admin("-p", QUEUE, "-E", "-v", f"pdffile:{self.out_dir}")
        self._admin("-d", QUEUE)

    def jobs(self):
        """Every job the scheduler has seen, finished or not."""
        result = subprocess.run(["lpstat", "-W", "all", "-o", QUEUE], env=self._env(),
                                capture_output=True, text=True, timeout=10)
        return [line for line in result.stdout.splitlines() if line.strip()]

    def pdfs(self):
        return sorted(glob.glob(os.path.join(self.out_dir, "*.pdf")))

    def wait_for_pdf(self, timeout=30):
        return wait_until(self.pdfs, timeout, "the printed PDF")[0]

    def error_log(self):
        try:
            with open(os.path.join(self.root, "log/error_log")) as f:
                return f.read()
        except OSError:
            return ""

    def stop(self):
        if self.process:
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
            self.process = None
        subprocess.run(["rm", "-rf", self.root], check=False)

    def _env(self):
        return dict(os.environ, **self.env)

    def _running(self):
        if self.process.poll() is not None:
            raise RuntimeError("cupsd ended at start:\n" + self.error_log())
        result = subprocess.run(["lpstat", "-r"], env=self._env(), capture_output=True,
                                text=True, timeout=10)
        return "is running" in result.stdout and "not running" not in result.stdout

    def _admin(self, *args):
        subprocess.run(["lpadmin", *args], env=self._env(), check=True, capture_output=True,
                       timeout=10)

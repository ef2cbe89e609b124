"""The cameras' multicast side: SEARCH, SETNET and COMMAND on 239.255.255.250:19128.

A message is a head of "Key:Value" lines, each ended by CRLF, an empty line, then a body
of BodySize bytes (JSON). Requests carry Objective (the target: "IPC" for everyone, or a
device ID), Cseq, Action and DeviceID (the client's ID); answers go back addressed to the
client's ID, by multicast to the group out of the interface the request came in on.

A camera sits on the link (interface) whose networks hold its address when camsim starts;
it hears and answers only there, and stays there when SETNET gives it a new address.

Fault knobs in camera["faults"]:
  "silent": true            answer nothing (the request is still journalled)
  "foreign_first": KIND     before the answer, send a datagram that is not for the client:
                            "search" (another client's SEARCH) or "other_client_ack"
  "malformed_ack_first": KIND   before the answer, send a broken SEARCH_ACK: "negative_size",
                            "huge_size", "text_size", "short_body", "bad_json", "no_size"
  "unicast_answer": true    answer to the client's own address and port, not the group
  "objective_case": "swap"  write the client's ID in the answer with its letter case swapped
  "omit_keys": [KEY, ...]   top-level keys left out of the SEARCH_ACK body ("NetWork" ...)
  "flood_seconds": S        after the answer, keep sending foreign datagrams for S seconds
  "setnet_status": N        Status of SETNET_ACK (default 0)
  "command_status": N       Status of COMMAND_ACK (default 0)
Command 513 (0x201) is a reboot: camera["reboots"] counts them.

Journal: one "search" entry per datagram received, with "source" and "port" (the sender),
"link" (the interface it came in on), "text" (the datagram as it arrived), "action", "head"
(the head's keys and values) and "body"; "camera" is the target of a SETNET or COMMAND, null
for a SEARCH. A datagram that is not a message gets "error" instead of the parsed fields.
"""
import asyncio
import base64
import collections
import json
import socket
import struct
import subprocess

GROUP = "239.255.255.250"
PORT = 19128
MAX_DATAGRAM = 4096
REBOOT_COMMAND = 0x201

# Linux socket options that Python's socket module does not name.
IP_PKTINFO = 8
IP_MULTICAST_ALL = 49


async def start(simulator):
    service = SearchService(simulator)
    if service.socket is None:
        return  # No camera on a link with multicast (loopback only): nothing to serve.
    simulator.close_at_end(service)
    asyncio.get_running_loop().add_reader(service.socket, service.receive)


def parse_message(data):
    """(head dict, body bytes) of a message; head keys as written. Raises ValueError."""
    head_end = data.find(b"\r\n\r\n")
    if head_end < 0:
        raise ValueError("no empty line after the head")
    head = {}
    for line in data[:head_end].split(b"\r\n"):
        key, colon, value = line.partition(b":")
        if not colon:
            raise ValueError(f"head line without a colon: {line!r}")
        head[key.decode("latin-1")] = value.decode("latin-1")
    body = data[head_end + 4:]
    size = int(head.get("BodySize", "0"))
    if size < 0 or size > len(body):
        raise ValueError(f"BodySize {size} but {len(body)} bytes follow")
    return head, body[:size]


def make_message(head, body=b""):
    lines = "".join(f"{key}:{value}\r\n" for key, value in head)
    return (lines + f"BodySize:{len(body)}\r\n\r\n").encode("latin-1") + body


def interface_networks():
    """{ifindex: (name, [(network int, mask int), ...])} of this namespace, loopback left out."""
    listing = json.loads(subprocess.run(["ip", "-j", "-4", "addr", "show"], check=True,
                                        capture_output=True, text=True).stdout)
    interfaces = {}
    for interface in listing:
        if interface["ifname"] == "lo":
            continue
        networks = []
        for address in interface.get("addr_info", []):
            mask = (0xFFFFFFFF << (32 - address["prefixlen"])) & 0xFFFFFFFF
            networks.append((_address_number(address["local"]) & mask, mask))
        # A link may hold thousands of addresses of one network (a camera each).
        interfaces[interface["ifindex"]] = (interface["ifname"], list(dict.fromkeys(networks)))
    return interfaces


def _address_number(text):
    return struct.unpack("!I", socket.inet_aton(text))[0]


def _membership(ifindex):
    return struct.pack("4s4si", socket.inet_aton(GROUP), socket.inet_aton("0.0.0.0"), ifindex)


class SearchService:
    def __init__(self, simulator):
        self.simulator = simulator
        self.interfaces = interface_networks()
        self.links = {camera["id"]: self._link_of(camera["ip"]) for camera in simulator.cameras}
        self.cameras_on_link = collections.defaultdict(list)
        for camera in simulator.cameras:
            self.cameras_on_link[self.links[camera["id"]]].append(camera)
        self.socket = self._open_socket()
        # Datagrams the socket could not take yet: (data, ifindex, destination), sent in
        # order once it is writable again.
        self.outgoing = collections.deque()

    def _link_of(self, address):
        number = _address_number(address)
        for ifindex, (_, networks) in self.interfaces.items():
            if any(number & mask == network for network, mask in networks):
                return ifindex
        return None

    def _open_socket(self):
        """The socket on the search port, joined on every link that holds a camera; None when
        no camera sits on such a link, so that a loopback-only camsim leaves the port to
        search clients on the same host."""
        links = set(self.links.values()) - {None}
        if not links:
            return None
        sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        sock.setsockopt(socket.SOL_SOCKET, socket.SO_REUSEADDR, 1)
        sock.bind(("", PORT))
        sock.setsockopt(socket.IPPROTO_IP, IP_PKTINFO, 1)
        sock.setsockopt(socket.IPPROTO_IP, IP_MULTICAST_ALL, 0)
        sock.setsockopt(socket.IPPROTO_IP, socket.IP_MULTICAST_LOOP, 0)
        sock.setsockopt(socket.IPPROTO_IP, socket.IP_MULTICAST_TTL, 1)
        for ifindex in links:
            sock.setsockopt(socket.IPPROTO_IP, socket.IP_ADD_MEMBERSHIP, _membership(ifindex))
        sock.setblocking(False)
        return sock

    def close(self):
        asyncio.get_event_loop().remove_reader(self.socket)
        asyncio.get_event_loop().remove_writer(self.socket)
        self.socket.close()

    def receive(self):
        """Handles every datagram waiting on the socket."""
        while True:
            try:
                data, ancillary, _, source = self.socket.recvmsg(
                    MAX_DATAGRAM, socket.CMSG_SPACE(12))
            except BlockingIOError:
                return
            ifindex = next((struct.unpack("i", payload[:4])[0]
                            for level, kind, payload in ancillary
                            if level == socket.IPPROTO_IP and kind == IP_PKTINFO), None)
            self.handle(data, ifindex, source)

    def handle(self, data, ifindex, source):
        link_name = self.interfaces.get(ifindex, ("?", []))[0]
        try:
            head, body = parse_message(data)
        except ValueError as error:
            self.simulator.journal.record(None, "search", source=source[0], port=source[1],
                                          link=link_name, text=data, error=str(error))
            return
        action = head.get("Action", "").upper()
        target = self.simulator.camera_by_id(head.get("Objective", ""))
        self.simulator.journal.record(target["id"] if target else None, "search",
                                      source=source[0], port=source[1], link=link_name,
                                      text=data, action=action, head=head,
                                      body=body.decode("latin-1"))
        if action == "SEARCH" and head.get("Objective", "").upper() == "IPC":
            for camera in self.cameras_on_link.get(ifindex, ()):
                self.answer(camera, head, ifindex, source, "SEARCH_ACK", self.search_body)
        elif action == "SETNET" and target and self.links[target["id"]] == ifindex:
            self.answer(target, head, ifindex, source, "SETNET_ACK",
                        lambda camera: self.apply_setnet(camera, body))
        elif action == "COMMAND" and target and self.links[target["id"]] == ifindex:
            self.answer(target, head, ifindex, source, "COMMAND_ACK",
                        lambda camera: self.run_command(camera, body))

    def answer(self, camera, request, ifindex, source, action, make_body):
        faults = camera["faults"]
        if faults.get("silent"):
            return
        client = request.get("DeviceID", "")
        if faults.get("objective_case") == "swap":
            client = client.swapcase()
        destination = source if faults.get("unicast_answer") else (GROUP, PORT)
        head = [("Objective", client), ("Cseq", request.get("Cseq", "0")), ("Action", action),
                ("DeviceID", camera["id"])]
        body = json.dumps(make_body(camera)).encode("utf-8")
        if faults.get("foreign_first"):
            self.send(foreign_datagram(faults["foreign_first"], camera), ifindex, destination)
        if faults.get("malformed_ack_first"):
            self.send(malformed_ack(faults["malformed_ack_first"], head, body), ifindex,
                      destination)
        self.send(make_message(head, body), ifindex, destination)
        if faults.get("flood_seconds"):
            asyncio.ensure_future(self.flood(faults["flood_seconds"], camera, ifindex))

    def send(self, data, ifindex, destination):
        self.outgoing.append((data, ifindex, destination))
        if len(self.outgoing) == 1:
            self._send_waiting()

    def _send_waiting(self):
        """Sends queued datagrams until the socket's buffer is full, then waits for room."""
        loop = asyncio.get_event_loop()
        while self.outgoing:
            data, ifindex, destination = self.outgoing[0]
            self.socket.setsockopt(socket.IPPROTO_IP, socket.IP_MULTICAST_IF,
                                   _membership(ifindex))
            try:
                self.socket.sendto(data, destination)
            except BlockingIOError:
                loop.add_writer(self.socket, self._send_waiting)
                return
            self.outgoing.popleft()
        loop.remove_writer(self.socket)

    async def flood(self, seconds, camera, ifindex):
        """A steady stream of other clients' traffic, one datagram a millisecond."""
        datagram = foreign_datagram("other_client_ack", camera)
        loop = asyncio.get_running_loop()
        end = loop.time() + seconds
        while loop.time() < end:
            self.send(datagram, ifindex, (GROUP, PORT))
            await asyncio.sleep(0.001)

    def search_body(self, camera):
        body = {
            "Model": camera["model"], "DeviceName": camera["device_name"],
            "FirmwareVision": camera["firmware_version"],
            "HardwareVision": camera["hardware_version"],
            "UUID": camera["uuid"], "UID": camera["uid"],
            "UserName": _base64(camera["user"]), "Password": _base64(camera["password"]),
        }
        body["NetWork"] = {
            "HttpPort": camera["http_port"], "StreamPort": camera["stream_port"],
            "DNS1": camera["dns1"], "DNS2": camera["dns2"],
            "NIC": [_nic_answer(nic) for nic in camera["nics"]],
        }
        for key in camera["faults"].get("omit_keys", []):
            body.pop(key, None)
        return body

    def apply_setnet(self, camera, body):
        """Takes the first NIC of a SETNET body into the camera's first interface."""
        try:
            nic = json.loads(body)["NetWork"]["NIC"][0]
        except (ValueError, KeyError, IndexError, TypeError):
            nic = None
        if not isinstance(nic, dict):
            return {"Status": -1, "StatusContext": "malformed SETNET body"}
        record = camera["nics"][0]
        for key, field in (("IP", "ip"), ("NetMask", "mask"), ("GateWay", "gateway")):
            if isinstance(nic.get(key), str):
                record[field] = nic[key]
        if isinstance(nic.get("AllNetConnect"), bool):
            record["all_net_connect"] = nic["AllNetConnect"]
        camera["ip"] = record["ip"]
        return _status(camera["faults"].get("setnet_status", 0))

    def run_command(self, camera, body):
        try:
            command = int(json.loads(body).get("CmdType", "0"), 16)
        except (ValueError, AttributeError, TypeError):
            command = None
        if command == REBOOT_COMMAND:
            camera["reboots"] = camera.get("reboots", 0) + 1
        return _status(camera["faults"].get("command_status", 0))


def _status(status):
    return {"Status": status, "StatusContext": "OK" if status == 0 else "Failed"}


def _base64(text):
    return base64.b64encode(text.encode("utf-8")).decode("ascii")


def _nic_answer(nic):
    answer = {"Name": nic.get("name", ""), "IP": nic.get("ip", ""), "Mask": nic.get("mask", ""),
              "GateWay": nic.get("gateway", ""), "MAC": nic.get("mac", ""),
              "DHCP": nic.get("dhcp", 0)}
    if "all_net_connect" in nic:
        answer["AllNetConnect"] = nic["all_net_connect"]
    return answer


def foreign_datagram(kind, camera):
    """A datagram on the group that no search client should take as its own answer."""
    if kind == "search":
        head = [("Objective", "IPC"), ("Cseq", "1"), ("Action", "SEARCH"),
                ("DeviceID", "ZRsomeOtherClientOnThisNetwork00")]
        return make_message(head)
    head = [("Objective", "ZRsomeOtherClientOnThisNetwork00"), ("Cseq", "1"),
            ("Action", "SEARCH_ACK"), ("DeviceID", camera["id"] + "-foreign")]
    return make_message(head, b'{"Model": 1}')


def malformed_ack(kind, head, body):
    """A copy of an answer broken in one way; the client must skip it and go on."""
    text = make_message(head, body)
    size_line = f"BodySize:{len(body)}\r\n".encode()
    broken_sizes = {"negative_size": b"BodySize:-5\r\n", "huge_size": b"BodySize:999999\r\n",
                    "text_size": b"BodySize:twelve\r\n", "no_size": b""}
    if kind in broken_sizes:
        return text.replace(size_line, broken_sizes[kind])
    if kind == "short_body":
        return text[:-3]
    if kind == "bad_json":
        return make_message(head, b"{\"Model\": ")
    raise ValueError(f"unknown malformed_ack_first kind {kind!r}")

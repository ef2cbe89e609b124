"""camsim's user-account block: the list it reads and the add, modify and delete commands
that a write carries, straight on one camera's block store."""
import struct
import unittest

from simcore.block_store import BlockStore
from simcore.config import _with_defaults

USERS = 14


def request(action, name, password="pw", enabled=True, level=1):
    body = bytearray(724)
    struct.pack_into("<i", body, 0, action)
    body[4:4 + len(name)] = name.encode()
    body[36:36 + len(password)] = password.encode()
    struct.pack_into("<ii", body, 68, 1 if enabled else 0, level)
    return bytes(body)


def listed(store):
    block = store.read(USERS, 0)
    accounts = []
    for index in range(10):
        base = 4 + 72 * index
        name = block[base:base + 32].split(b"\0")[0].decode()
        if not name:
            break
        password = block[base + 32:base + 64].split(b"\0")[0].decode()
        accounts.append((name, password) + struct.unpack_from("<ii", block, base + 64))
    return accounts


class UserAccountsTest(unittest.TestCase):
    def setUp(self):
        camera = _with_defaults({"id": "CAM1", "ip": "127.0.0.1", "password": "pw0",
                                 "accounts": [{"name": "guest", "password": "g", "level": 2,
                                               "enabled": False}]}, 0)
        self.store = BlockStore(camera)

    def test_the_login_account_comes_first(self):
        self.assertEqual(listed(self.store), [("admin", "pw0", 1, 0), ("guest", "g", 0, 2)])

    def test_add_modify_delete(self):
        self.assertTrue(self.store.write(USERS, 0, request(0, "anna", "a1")))
        self.assertTrue(self.store.write(USERS, 0, request(1, "guest", "g2", True, 1)))
        self.assertTrue(self.store.write(USERS, 0, request(2, "admin")))
        self.assertEqual(listed(self.store), [("guest", "g2", 1, 1), ("anna", "a1", 1, 1)])

    def test_refused_commands_change_nothing(self):
        for index in range(8):
            self.assertTrue(self.store.write(USERS, 0, request(0, f"user{index}")))
        before = listed(self.store)
        for body in (request(0, "guest"), request(0, "eleventh"), request(1, "nobody"),
                     request(2, "nobody"), request(0, ""), request(7, "guest")):
            self.assertFalse(self.store.write(USERS, 0, body))
        self.assertEqual(listed(self.store), before)


if __name__ == "__main__":
    unittest.main()

"""The user-account block (command 14, 724 bytes): an action word, then ten entries of
{name, 32 bytes; password, 32 bytes; flag word (1 enabled); level word (0 administrator,
1 operator, 2 viewer)}. Accounts fill the entries from the first one on; the first empty
name ends the list.

A read returns the list. A write names one account in entry 0 and says with the action word
what to do with it: 0 add (refused when the name is empty or taken, or all ten entries are
used), 1 modify (password, flag and level of the account of that name; refused when there is
none), 2 delete (refused when there is none; the entries after it move up).

Camera key (optional): "accounts": [{"name": ..., "password": ..., "enabled": true,
"level": 2}, ...] listed after the login account.
"""
from simcore.wire import put_text, put_word, word_at

LENGTH = 724
ENTRIES = 10
STRIDE = 72
FIRST_ENTRY = 4
NAME_BYTES = 32
ADD, MODIFY, DELETE = 0, 1, 2


def factory(camera, _channel):
    block = bytearray(LENGTH)
    login = {"name": camera["user"], "password": camera["password"], "enabled": True, "level": 0}
    for index, account in enumerate(([login] + camera.get("accounts", []))[:ENTRIES]):
        _put_entry(block, index, account)
    return block


def apply(block, body):
    """Carries out the write in body on block; False when the camera refuses it."""
    action = word_at(body, 0)
    wanted = _entry(body, 0)
    if not wanted["name"]:
        return False
    accounts = [_entry(block, index) for index in range(ENTRIES)]
    accounts = accounts[:next((i for i, a in enumerate(accounts) if not a["name"]), ENTRIES)]
    names = [account["name"] for account in accounts]
    if action == ADD:
        if wanted["name"] in names or len(accounts) == ENTRIES:
            return False
        accounts.append(wanted)
    elif action == MODIFY and wanted["name"] in names:
        accounts[names.index(wanted["name"])] = wanted
    elif action == DELETE and wanted["name"] in names:
        del accounts[names.index(wanted["name"])]
    else:
        return False
    block[FIRST_ENTRY:] = bytes(LENGTH - FIRST_ENTRY)
    for index, account in enumerate(accounts):
        _put_entry(block, index, account)
    return True


def _entry(block, index):
    base = FIRST_ENTRY + STRIDE * index
    return {"name": _text(block[base:base + NAME_BYTES]),
            "password": _text(block[base + NAME_BYTES:base + 2 * NAME_BYTES]),
            "enabled": word_at(block, base + 64) != 0, "level": word_at(block, base + 68)}


def _put_entry(block, index, account):
    base = FIRST_ENTRY + STRIDE * index
    put_text(block, base, NAME_BYTES, account["name"])
    put_text(block, base + NAME_BYTES, NAME_BYTES, account["password"])
    put_word(block, base + 64, 1 if account.get("enabled", True) else 0)
    put_word(block, base + 68, account.get("level", 0))


def _text(field):
    return bytes(field).split(b"\0", 1)[0].decode("utf-8", errors="replace")

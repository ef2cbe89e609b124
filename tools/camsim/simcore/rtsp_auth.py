"""RTSP authorisation: Digest (MD5, with or without qop "auth") or Basic.

User names and passwords may be any UTF-8 text; they are compared as UTF-8 bytes. Header
values arrive as latin-1 text (one character per byte), so encoding them back to latin-1
gives the bytes the client sent.
"""
import base64
import hashlib
import re
import secrets

REALM = "camsim"
# key=value or key="value" pairs of a Digest header; quoted values may hold commas.
_DIGEST_PARAMETER = re.compile(r'\s*([A-Za-z0-9_-]+)\s*=\s*("((?:[^"\\]|\\.)*)"|[^,\s]*)\s*,?')


class Authenticator:
    """Challenges and checks one camera's clients with its user and password."""

    def __init__(self, camera):
        self.scheme = "basic" if camera["faults"].get("rtsp_auth") == "basic" else "digest"
        self.user = camera["user"].encode("utf-8")
        self.password = camera["password"].encode("utf-8")
        # One nonce for the camera's whole run: clients may take it to a new connection.
        self.nonce = secrets.token_hex(16)

    def challenge(self):
        """The WWW-Authenticate header value of a 401 answer."""
        if self.scheme == "basic":
            return f'Basic realm="{REALM}"'
        return f'Digest realm="{REALM}", nonce="{self.nonce}"'

    def user_of(self, authorization):
        """The user name the client gave in its Authorization header, "" when none."""
        kind, _, value = authorization.partition(" ")
        if kind.lower() == "digest":
            name = _digest_parameters(value).get("username", "")
        elif kind.lower() == "basic":
            name = (_basic_credentials(value) or ("", ""))[0]
        else:
            return ""
        return name.encode("latin-1", "replace").decode("utf-8", "replace")

    def authorised(self, method, authorization):
        kind, _, value = authorization.partition(" ")
        if kind.lower() != self.scheme:
            return False
        if self.scheme == "basic":
            credentials = _basic_credentials(value)
            return credentials is not None and _bytes(credentials[0]) == self.user and \
                _bytes(credentials[1]) == self.password
        return self._digest_matches(method, _digest_parameters(value))

    def _digest_matches(self, method, fields):
        if _bytes(fields.get("username", "")) != self.user or fields.get("nonce") != self.nonce \
                or fields.get("realm") != REALM or "uri" not in fields:
            return False
        if fields.get("algorithm", "MD5").upper() != "MD5":
            return False
        secret = _md5(self.user + b":" + REALM.encode() + b":" + self.password)
        digest_uri = _md5(method.encode() + b":" + _bytes(fields["uri"]))
        qop = fields.get("qop")
        if qop is None:
            expected = _md5(f"{secret}:{self.nonce}:{digest_uri}".encode())
        elif qop == "auth" and "nc" in fields and "cnonce" in fields:
            expected = _md5(_bytes(f"{secret}:{self.nonce}:{fields['nc']}:{fields['cnonce']}:"
                                   f"auth:{digest_uri}"))
        else:
            return False
        return secrets.compare_digest(fields.get("response", "").lower(), expected)


def _digest_parameters(text):
    fields = {}
    for match in _DIGEST_PARAMETER.finditer(text):
        quoted = match.group(3)
        fields[match.group(1).lower()] = (re.sub(r"\\(.)", r"\1", quoted) if quoted is not None
                                          else match.group(2))
    return fields


def _basic_credentials(value):
    """(user, password) as latin-1 text of their bytes, or None."""
    try:
        decoded = base64.b64decode(value.strip(), validate=True)
    except ValueError:
        return None
    user, colon, password = decoded.partition(b":")
    return (user.decode("latin-1"), password.decode("latin-1")) if colon else None


def _bytes(latin1_text):
    return latin1_text.encode("latin-1", "replace")


def _md5(data):
    return hashlib.md5(data).hexdigest()

"""camsim's multicast side: the message format and the broken answers its fault knobs send."""
import unittest

from simcore.search import SearchService, make_message, malformed_ack, parse_message

HEAD = [("Objective", "ZRclient"), ("Cseq", "3"), ("Action", "SEARCH_ACK"), ("DeviceID", "C1")]
BODY = b'{"Model": 1}'


class MessageFormat(unittest.TestCase):
    def test_round_trip(self):
        text = make_message(HEAD, BODY)
        self.assertEqual(text, b"Objective:ZRclient\r\nCseq:3\r\nAction:SEARCH_ACK\r\n"
                               b"DeviceID:C1\r\nBodySize:12\r\n\r\n" + BODY)
        head, body = parse_message(text + b"\r\n")  # bytes past BodySize are not the body
        self.assertEqual(head["DeviceID"], "C1")
        self.assertEqual(body, BODY)

    def test_refuses_what_is_not_a_message(self):
        for data in (b"", b"no head end", b"Key without colon\r\n\r\n",
                     b"BodySize:9\r\n\r\n{}", b"BodySize:-1\r\n\r\n{}", b"BodySize:x\r\n\r\n"):
            with self.subTest(data=data), self.assertRaises(ValueError):
                parse_message(data)


class MalformedAnswers(unittest.TestCase):
    def test_each_kind_is_refused_by_a_strict_reader(self):
        for kind in ("negative_size", "huge_size", "text_size", "short_body", "no_size"):
            with self.subTest(kind=kind):
                data = malformed_ack(kind, HEAD, BODY)
                if kind == "no_size":
                    self.assertNotIn(b"BodySize", data)
                else:
                    self.assertRaises(ValueError, parse_message, data)

    def test_bad_json_keeps_a_correct_size(self):
        _, body = parse_message(malformed_ack("bad_json", HEAD, BODY))
        self.assertEqual(body, b'{"Model": ')


class SetnetBodies(unittest.TestCase):
    """A SETNET body that does not hold an interface object is refused with a Status, never
    with an exception that would escape the search service."""

    def setUp(self):
        self.service = SearchService.__new__(SearchService)  # no socket: only the body logic
        self.camera = {"ip": "10.0.0.5", "faults": {},
                       "nics": [{"ip": "10.0.0.5", "mask": "255.0.0.0", "gateway": "10.0.0.1"}]}

    def test_refuses_bodies_without_an_interface_object(self):
        for body in (b"not json", b"[]", b'{"NetWork": 1}', b'{"NetWork": {"NIC": []}}',
                     b'{"NetWork": {"NIC": ["x"]}}', b'{"NetWork": {"NIC": "abc"}}',
                     b'{"NetWork": {"NIC": [[1]]}}'):
            with self.subTest(body=body):
                self.assertEqual(self.service.apply_setnet(self.camera, body)["Status"], -1)
                self.assertEqual(self.camera["ip"], "10.0.0.5")

    def test_takes_the_first_interface(self):
        answer = self.service.apply_setnet(
            self.camera, b'{"NetWork": {"NIC": [{"IP": "10.0.0.9", "AllNetConnect": false}]}}')
        self.assertEqual(answer["Status"], 0)
        self.assertEqual(self.camera["ip"], "10.0.0.9")
        self.assertIs(self.camera["nics"][0]["all_net_connect"], False)


if __name__ == "__main__":
    unittest.main()

"""camsim's multicast side: the message format and the broken answers its fault knobs send."""
import unittest

from simcore.search import make_message, malformed_ack, parse_message

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


if __name__ == "__main__":
    unittest.main()

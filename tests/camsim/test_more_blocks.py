"""camsim's fill-light, detection, mask, audio, sensor and GB/T 28181 blocks: their factory
contents and how a write merges into them, straight on one camera's block store."""
import struct
import unittest

from simcore.block_store import BlockStore
from simcore.config import _with_defaults


def word(block, offset):
    return struct.unpack_from("<i", block, offset)[0]


def words(block, offset, count):
    return list(struct.unpack_from(f"<{count}i", block, offset))


def distinct_body(length):
    """No byte zero and neighbouring words distinct, so a merged field shows where it came
    from and nearly every byte it carries differs from the factory block."""
    return bytes((index * 7) % 251 + 1 for index in range(length))


# command: (wire length, value words a write must carry, words it must leave (defaults,
# list counts, open words), number of bytes a write carries)
CASES = {
    20: (3564, (8, 156, 304, 1848, 2464, 2948, 3104, 3416), (12, 160, 308, 312, 1852, 2944), 100),
    24: (16, (8,), (0, 12), 4),
    9: (172, (8, 24), (12, 28, 40), 8),
    10: (11920, (8, 24, 180, 336, 492, 648, 3 * 2980 + 648 + 7 * 312), (12, 28, 2980 + 12), 320),
    11: (4464, (8, 24, 180, 336, 484, 500, 656, 812, 968, 3 * 1116 + 812), (12, 344, 1116 + 12),
         144),
    13: (4696, (8, 24, 180, 336, 992, 1148, 368, 524, 1296, 1300, 1304, 2068, 2080, 2096, 2252,
                4640, 4688), (12, 352, 680, 1000, 2084), 4 * (8 + 20 + 4) + 8 + 768),
    4: (3184, (8, 24, 180, 336, 492, 648, 2 * 796 + 492), (12, 796 + 12, 188), 96),
    21: (3016, (8, 164, 944, 1140, 1296, 1452, 1944, 2352, 2876), (12, 952, 1148), 132),
    1: (772, (8, 164, 320, 476, 632), (12, 32, 640), 20),
    2: (164, (8, 24), (12, 32), 8),
    23: (164, (8, 24), (12, 32), 8),
    22: (3304, (8, 16, 48, 52, 84, 116, 120, 124, 128, 192, 224, 228, 232, 3300),
         (0, 4, 12), 3304 - 12),
    25: (3576, (8, 24, 180, 336, 804, 960, 976, 952 + 640 + 180, 3520, 3568), (12, 956), 124),
}


class MoreBlocksTest(unittest.TestCase):
    def setUp(self):
        self.camera = _with_defaults({"id": "C1", "ip": "127.0.0.1",
                                      "light_modes": [18, 0, 18, 2]}, 0)
        self.store = BlockStore(self.camera)

    def test_each_write_merges_exactly_its_fields(self):
        for command, (length, carried, kept, carried_bytes) in CASES.items():
            with self.subTest(command=command):
                before = self.store.read(command, 1)
                self.assertEqual(len(before), length)
                body = distinct_body(length)
                self.assertTrue(self.store.write(command, 1, body))
                after = self.store.read(command, 1)
                for offset in carried:
                    self.assertEqual(after[offset:offset + 4], body[offset:offset + 4], offset)
                for offset in kept:
                    self.assertEqual(after[offset:offset + 4], before[offset:offset + 4], offset)
                changed = sum(1 for new, old in zip(after, before) if new != old)
                self.assertLessEqual(changed, carried_bytes)
                self.assertGreater(changed, carried_bytes // 2)

    def test_wrong_lengths_are_refused(self):
        for command, (length, *_rest) in CASES.items():
            with self.subTest(command=command):
                self.assertFalse(self.store.write(command, 1, bytes(length - 4)))

    def test_factory_values(self):
        light = self.store.read(20, 1)
        self.assertEqual(words(light, 296 + 8, 3), [18, 18, 4])  # value, default, list count
        self.assertEqual(words(light, 296 + 20, 4), [18, 0, 18, 2])  # as the camera lists it
        motion = self.store.read(13, 1)
        self.assertEqual(words(motion, 1296, 2), [22, 18])
        self.assertEqual(motion[1304 + 17 * 32:1304 + 17 * 32 + 23], b"\x01" * 22 + b"\x00")
        self.assertEqual(motion[1304 + 18 * 32:2072], bytes(6 * 32))
        audio = self.store.read(1, 1)
        self.assertEqual(words(audio, 24, 4), [3, 8000, 16000, 32000])
        self.assertEqual(words(self.store.read(23, 1), 16 + 16, 4), [3, 0, 1, 2])
        self.assertEqual(words(self.store.read(2, 1), 16 + 16, 3), [2, 0, 1])

    def test_factory_reset_brings_the_factory_blocks_back(self):
        before = self.store.read(25, 1)
        self.store.write(25, 1, distinct_body(3576))
        self.store.reset()
        self.assertEqual(self.store.read(25, 1), before)


if __name__ == "__main__":
    unittest.main()

"""One camera's property blocks: factory contents, reads, merged writes and factory reset."""

from simcore.property_blocks_more import LAYOUTS


class BlockStore:
    def __init__(self, camera):
        self._camera = camera
        self._blocks = {}

    def read(self, command, channel):
        """The block's wire body, or None for a command this camera does not know."""
        layout = LAYOUTS.get(command)
        if layout is None:
            return None
        return bytes(self._block(layout, command, channel))

    def write(self, command, channel, body):
        """Merges the fields a write carries; False when the block cannot take this body."""
        layout = LAYOUTS.get(command)
        if layout is None or not layout.writable or len(body) != layout.length:
            return False
        block = self._block(layout, command, channel)
        if layout.apply is not None:
            return layout.apply(block, body)
        for offset, width in layout.written(body):
            block[offset:offset + width] = body[offset:offset + width]
        return True

    def reset(self):
        self._blocks.clear()

    def _block(self, layout, command, channel):
        key = (command, channel if layout.per_channel else 0)
        if key not in self._blocks:
            self._blocks[key] = layout.factory(self._camera, key[1])
        return self._blocks[key]

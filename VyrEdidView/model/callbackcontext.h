#pragma once

class DataBlock;

// Observer of a block object. The blocks call only checksumChanged, after a checksum
// re-computation changed the stored checksum byte; every block in the program is built with a
// null context, so the other notifications exist for an observer that wants them.
// Binary contract (ARCHITECTURE.md): checksumChanged stays the fourth virtual function.
class CallbackContext
{
public:
    virtual ~CallbackContext() = default;
    // Bytes of the block changed (not reported by the block classes).
    virtual void dataChanged(DataBlock *block) { (void)block; }
    // The block's size changed (not reported by the block classes).
    virtual void blockSizeChanged(DataBlock *block) { (void)block; }
    // The stored checksum byte of block changed.
    virtual void checksumChanged(DataBlock *block) { (void)block; }
};

// A sized two-dimensional map: width, height and the resize notification.
#pragma once

#include "graphics/thread_persistent.h"

#include <functional>

namespace prismora {

class TCustomMap : public TThreadPersistent {
public:
    // Called after every resize, after Changed.
    std::function<void()> OnResize;

    int Width() const { return m_width; }
    int Height() const { return m_height; }

    // Negative sizes count as 0. The same size as now: nothing happens, false.
    // Otherwise the storage is replaced (old contents lost), then Changed, then
    // AfterResize; true.
    virtual bool SetExtent(int width, int height);
    // SetExtent(0, 0).
    virtual void Delete();
    // True when the width or the height is 0.
    virtual bool Empty() const;

protected:
    // Stores the new size; derived maps also replace their storage.
    virtual void ReplaceStorage(int newWidth, int newHeight);
    virtual void AfterResize();
    void StoreSize(int width, int height);

private:
    int m_height = 0;
    int m_width = 0;
};

} // namespace prismora

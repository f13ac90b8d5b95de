// SPDX-FileCopyrightText: 2026 The Prismora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A sized two-dimensional map: width, height and the resize notification.
#pragma once

#include "graphics/change_notifier.h"

#include <functional>

namespace prismora {

class ResizableGrid : public ChangeNotifier {
public:
    // Called after every resize, after changed().
    std::function<void()> onResize;

    int width() const { return m_width; }
    int height() const { return m_height; }

    // Negative sizes count as 0. The same size as now: nothing happens, false.
    // Otherwise the storage is replaced (old contents lost), then changed(), then
    // afterResize(); true.
    virtual bool setSize(int width, int height);
    // setSize(0, 0).
    virtual void release();
    // True when the width or the height is 0.
    virtual bool isEmpty() const;

protected:
    // Stores the new size; derived maps also replace their storage.
    virtual void replaceStorage(int newWidth, int newHeight);
    virtual void afterResize();
    void storeSize(int width, int height);

private:
    int m_height = 0;
    int m_width = 0;
};

} // namespace prismora

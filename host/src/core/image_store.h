// The images the host holds, by identifier. Identifiers count from 0 upward
// and are never reused within a run, so a stale identifier finds nothing.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "core/image.h"

namespace host {

class ImageStore {
public:
    // Takes the image, gives it the next identifier and returns that identifier.
    int add(Image image);
    Image *find(int id);
    const Image *find(int id) const;
    bool remove(int id);
    std::vector<int> ids() const;
    // Forgets every image; identifiers go on counting.
    void clear() { images_.clear(); }
    // Called after pixels of an image were changed by the host (for the windows and hooks).
    void notifyChanged(int id);
    void setChangeListener(std::function<void(int id)> listener) { changed_ = std::move(listener); }

private:
    int next_ = 0;
    std::vector<std::unique_ptr<Image>> images_;
    std::function<void(int)> changed_;
};

ImageStore &images();

}  // namespace host

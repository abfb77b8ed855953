// The host's images by identifier.
#include "core/image_store.h"

#include <algorithm>

namespace host {

int ImageStore::add(Image image) {
    image.id = next_++;
    images_.push_back(std::make_unique<Image>(std::move(image)));
    return images_.back()->id;
}

namespace {

template <class Images>
Image *findIn(Images &images, int id) {
    auto it = std::find_if(images.begin(), images.end(), [id](const auto &p) { return p->id == id; });
    return it == images.end() ? nullptr : it->get();
}

}  // namespace

Image *ImageStore::find(int id) {
    return findIn(images_, id);
}

const Image *ImageStore::find(int id) const {
    return findIn(images_, id);
}

bool ImageStore::remove(int id) {
    auto it = std::find_if(images_.begin(), images_.end(), [id](const auto &p) { return p->id == id; });
    if (it == images_.end()) return false;
    images_.erase(it);
    return true;
}

std::vector<int> ImageStore::ids() const {
    std::vector<int> result;
    result.reserve(images_.size());
    for (const auto &image : images_) result.push_back(image->id);
    return result;
}

void ImageStore::notifyChanged(int id) {
    if (changed_) changed_(id);
}

ImageStore &images() {
    static ImageStore store;
    return store;
}

}  // namespace host

#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "scene/color.h"

namespace scene {

// One segment drawn by a form's Line method: end points in twips, 24-bit colour. 20 bytes.
struct Segment {
    float x1, y1, x2, y2;
    Color color;
};
static_assert(sizeof(Segment) <= 24);

// What a form's Line method has drawn, in drawing order. Stored in fixed blocks so that adding
// one never copies the others and a segment costs its own 20 bytes. Views render it
// incrementally: they remember how many segments of which generation they have rasterised.
class Surface {
public:
    static constexpr std::size_t kBlock = 8192;

    void add(const Segment& s) {
        if (size_ % kBlock == 0) blocks_.push_back(std::make_unique<Segment[]>(kBlock));
        blocks_.back()[size_ % kBlock] = s;
        ++size_;
    }
    void clear() {
        blocks_.clear();
        blocks_.shrink_to_fit();
        size_ = 0;
        ++generation_;
    }
    const Segment& operator[](std::size_t i) const { return blocks_[i / kBlock][i % kBlock]; }
    std::size_t size() const { return size_; }
    std::uint64_t generation() const { return generation_; }
    std::size_t bytes() const { return blocks_.size() * kBlock * sizeof(Segment); }

    template <class F>
    void forEach(std::size_t from, F&& f) const {
        for (std::size_t i = from; i < size_; ++i) f(blocks_[i / kBlock][i % kBlock]);
    }

private:
    std::vector<std::unique_ptr<Segment[]>> blocks_;
    std::size_t size_ = 0;
    std::uint64_t generation_ = 0;
};

}  // namespace scene

#pragma once
// The points of one address space of a loop, laid out side by side: a loop has up to 159 slots
// and a full plant tens of thousands, so a separate heap block for each point made building,
// copying and freeing a plant mostly allocator work. The list of pointers is the view the rest
// of the plant reads; a point's address never moves while it is in the list.
#include "plant/OvGenericPoint.h"

#include <QList>

#include <memory>
#include <new>
#include <utility>
#include <vector>

class PointSlots : public QList<OvGenericPoint*> {
public:
    PointSlots() = default;
    PointSlots(const PointSlots&) = delete;
    PointSlots& operator=(const PointSlots&) = delete;
    PointSlots(PointSlots&& other) noexcept;
    PointSlots& operator=(PointSlots&& other) noexcept;
    ~PointSlots() { deleteAll(); }

    // Room for count more points in one block; the points made next are placed in it.
    void reserveSlots(int count);
    // Appends a point made from args. Points enter the list only this way, never by append.
    template <class... Args>
    OvGenericPoint* emplace(Args&&... args)
    {
        if (m_chunks.empty() || m_chunks.back().used == m_chunks.back().capacity)
            reserveSlots(1);
        Chunk& chunk = m_chunks.back();
        auto* point = new (chunk.memory.get() + chunk.used) OvGenericPoint(std::forward<Args>(args)...);
        ++chunk.used;
        append(point);
        return point;
    }
    // Destroys every point and empties the list.
    void deleteAll();

private:
    struct Release {
        void operator()(OvGenericPoint* memory) const { std::allocator<OvGenericPoint>().deallocate(memory, size); }
        size_t size;
    };
    struct Chunk {
        std::unique_ptr<OvGenericPoint, Release> memory;
        int capacity;
        int used;
    };
    std::vector<Chunk> m_chunks;
};

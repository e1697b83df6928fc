#include "plant/PointSlots.h"

PointSlots::PointSlots(PointSlots&& other) noexcept
    : QList<OvGenericPoint*>(std::move(other))
    , m_chunks(std::move(other.m_chunks))
{
    other.QList<OvGenericPoint*>::clear();
    other.m_chunks.clear();
}

PointSlots& PointSlots::operator=(PointSlots&& other) noexcept
{
    if (this != &other) {
        deleteAll();
        QList<OvGenericPoint*>::swap(other);
        m_chunks.swap(other.m_chunks);
    }
    return *this;
}

void PointSlots::reserveSlots(int count)
{
    if (count <= 0)
        return;
    reserve(size() + count);
    const size_t n = size_t(count);
    m_chunks.push_back(Chunk{
        std::unique_ptr<OvGenericPoint, Release>(std::allocator<OvGenericPoint>().allocate(n), Release{n}), count, 0});
}

void PointSlots::deleteAll()
{
    // Emptied before the points die, as a destructor may look at the list.
    const QList<OvGenericPoint*> points = *this;
    std::vector<Chunk> chunks;
    chunks.swap(m_chunks);
    QList<OvGenericPoint*>::clear();
    // Every point was made here as an OvGenericPoint and nothing else.
    for (OvGenericPoint* point : points)
        point->OvGenericPoint::~OvGenericPoint();
}

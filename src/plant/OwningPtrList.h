#pragma once
// A list of pointers to polymorphic objects that owns them: its destructor deletes every
// element through the element's virtual destructor. Copies would delete twice, so there are
// none; a list can be moved.
#include <QList>

#include <type_traits>

template <class T>
class OwningPtrList : public QList<T*> {
    static_assert(std::has_virtual_destructor<T>::value, "elements are deleted through T*");

public:
    OwningPtrList() = default;
    OwningPtrList(const OwningPtrList&) = delete;
    OwningPtrList& operator=(const OwningPtrList&) = delete;
    OwningPtrList(OwningPtrList&& other) noexcept
        : QList<T*>(std::move(other))
    {
        other.QList<T*>::clear();
    }
    OwningPtrList& operator=(OwningPtrList&& other) noexcept
    {
        if (this != &other) {
            deleteAll();
            QList<T*>::swap(other);
        }
        return *this;
    }
    ~OwningPtrList() { deleteAll(); }

    // Deletes every element and empties the list.
    void deleteAll()
    {
        const QList<T*> elements = *this;
        QList<T*>::clear();
        for (T* element : elements)
            delete element;
    }
};

// Container: a counted, singly linked list whose elements carry their own
// link (a public "T* next" member, as DName and DFile have). The list owns
// its elements and holds copies of what is inserted.
//
// Beside the links the list keeps an index of element pointers, so that any
// position is reached in constant time. The index grows in segments of
// doubling size that never move once made: appending may run while another
// thread reads positions below a Size() it has already seen. Every other
// change needs the list to itself.
#pragma once

#include <atomic>
#include <memory>
#include <new>
#include <utility>

#include "DName.h"
#include "ScanlibApi.h"

template <class T>
class Container
{
public:
    Container();
    Container(Container const& o);
    ~Container();
    Container& operator=(Container const& o);

    // Element by element; when memory runs out the list is left empty.
    bool Copy(Container const& o);
    void Destroy();
    void Swap(Container& o);

    unsigned Size() const;
    bool isEmpty() const;

    // The first element, for walking the links; null when empty.
    T* First() const;
    // The element at pos; null when pos is not below Size().
    T* operator()(unsigned pos) const;
    // The caller keeps pos below Size().
    T& operator[](unsigned pos) const;

    // A copy of v becomes the last element.
    bool InsertRight(T const& v);
    // A copy of v becomes the first element.
    bool InsertLeft(T const& v);
    // A copy of v comes in at pos; at or past the end it is appended.
    bool InsertPos(T const& v, unsigned pos);
    // e, made with new, becomes the last element and belongs to the list;
    // when the index cannot grow, e is deleted and the result is false.
    bool Adopt(T* e);
    // Removes the element at pos; false when pos is not below Size().
    bool DelPos(unsigned pos);
    // Removes every element for which drop is true, keeping the order of
    // the others; returns how many went.
    template <class Drop>
    unsigned DelIf(Drop drop);
    // Puts the n elements of order, which are those at positions from to
    // from + n - 1 in a new order, at those positions. The links are then
    // rebuilt by split(count, part), which calls part(from, to) over
    // 0 .. count - 1 and may run the parts on several threads at once (the
    // sorts hand in SplitWork); without split, on this thread.
    void Arrange(unsigned from, T* const* order, unsigned n);
    template <class Split>
    void Arrange(unsigned from, T* const* order, unsigned n, Split const& split);

private:
    // Segment k holds First << k slots, so slot s lies in the segment of the
    // highest bit of s + First. Slots run up to twice 2^32.
    static unsigned const First_ = 16;
    static unsigned const Segments = 30;

    T*& Slot(unsigned long long s) const;
    bool Reserve(unsigned long long s);
    // Moves the slots of positions from .. count - 1 by one, up or down.
    void ShiftUp(unsigned from);
    void ShiftDown(unsigned from);
    bool Link(T* e, unsigned pos);
    template <class Split>
    void Relink(Split const& split);

    // The split of a loop that runs it whole, here.
    struct Whole
    {
        template <class Part>
        bool operator()(unsigned n, Part const& part) const
        {
            return part(0u, n);
        }
    };

    std::atomic<unsigned> count;
    unsigned start;    // slot of position 0: deleting the head is a step
    T* head;
    T** segments[Segments];
};

// The members are defined outside the class so that a module which declares
// an instantiation extern uses the exporting module's code, allocation and
// release included.

template <class T>
Container<T>::Container() : count(0), start(0), head(nullptr),
                            segments()
{
}

template <class T>
Container<T>::Container(Container const& o) : Container()
{
    Copy(o);
}

template <class T>
Container<T>::~Container()
{
    Destroy();
    for (T** segment : segments)
        delete[] segment;
}

template <class T>
Container<T>& Container<T>::operator=(Container const& o)
{
    Copy(o);
    return *this;
}

template <class T>
bool Container<T>::Copy(Container const& o)
{
    if (this == std::addressof(o))
        return true;
    Destroy();
    for (T const* e = o.head; e; e = e->next) {
        if (!InsertRight(*e)) {
            Destroy();
            return false;
        }
    }
    return true;
}

template <class T>
void Container<T>::Destroy()
{
    while (head) {
        T* e = head;
        head = e->next;
        delete e;
    }
    start = 0;
    count.store(0, std::memory_order_release);
}

template <class T>
void Container<T>::Swap(Container& o)
{
    unsigned const n = count.load(std::memory_order_relaxed);
    count.store(o.count.load(std::memory_order_relaxed), std::memory_order_release);
    o.count.store(n, std::memory_order_release);
    std::swap(start, o.start);
    std::swap(head, o.head);
    std::swap(segments, o.segments);
}

template <class T>
unsigned Container<T>::Size() const
{
    return count.load(std::memory_order_acquire);
}

template <class T>
bool Container<T>::isEmpty() const
{
    return Size() == 0;
}

template <class T>
T* Container<T>::First() const
{
    return head;
}

template <class T>
T*& Container<T>::Slot(unsigned long long s) const
{
    unsigned long long const q = s + First_;
    unsigned const k = 63u - unsigned(__builtin_clzll(q)) - 4u;
    return segments[k][q - (static_cast<unsigned long long>(First_) << k)];
}

template <class T>
bool Container<T>::Reserve(unsigned long long s)
{
    unsigned long long const q = s + First_;
    unsigned const k = 63u - unsigned(__builtin_clzll(q)) - 4u;
    if (k >= Segments)
        return false;
    if (!segments[k])
        segments[k] = new (std::nothrow) T*[static_cast<size_t>(First_) << k];
    return segments[k] != nullptr;
}

template <class T>
T* Container<T>::operator()(unsigned pos) const
{
    if (pos >= Size())
        return nullptr;
    return Slot(static_cast<unsigned long long>(start) + pos);
}

template <class T>
T& Container<T>::operator[](unsigned pos) const
{
    return *(*this)(pos);
}

template <class T>
void Container<T>::ShiftUp(unsigned from)
{
    unsigned long long const base = start;
    for (unsigned i = count.load(std::memory_order_relaxed); i > from; --i)
        Slot(base + i) = Slot(base + i - 1);
}

template <class T>
void Container<T>::ShiftDown(unsigned from)
{
    unsigned long long const base = start;
    unsigned const n = count.load(std::memory_order_relaxed);
    for (unsigned i = from; i + 1 < n; ++i)
        Slot(base + i) = Slot(base + i + 1);
}

// Links e in at pos (at most Size()) and publishes it.
template <class T>
bool Container<T>::Link(T* e, unsigned pos)
{
    unsigned const n = count.load(std::memory_order_relaxed);
    if (n == ~0u)
        return false;
    if (pos == 0 && start > 0) {
        --start;
    } else {
        if (!Reserve(static_cast<unsigned long long>(start) + n))
            return false;
        ShiftUp(pos);
    }
    Slot(static_cast<unsigned long long>(start) + pos) = e;
    T* prev = pos ? Slot(static_cast<unsigned long long>(start) + pos - 1) : nullptr;
    e->next = prev ? prev->next : head;
    (prev ? prev->next : head) = e;
    count.store(n + 1, std::memory_order_release);
    return true;
}

template <class T>
bool Container<T>::InsertRight(T const& v)
{
    return InsertPos(v, ~0u);
}

template <class T>
bool Container<T>::InsertLeft(T const& v)
{
    return InsertPos(v, 0);
}

template <class T>
bool Container<T>::InsertPos(T const& v, unsigned pos)
{
    T* const e = new (std::nothrow) T(v);
    if (!e)
        return false;
    unsigned const n = count.load(std::memory_order_relaxed);
    if (!Link(e, pos < n ? pos : n)) {
        delete e;
        return false;
    }
    return true;
}

template <class T>
bool Container<T>::Adopt(T* e)
{
    if (!e)
        return false;
    if (!Link(e, Size())) {
        delete e;
        return false;
    }
    return true;
}

template <class T>
bool Container<T>::DelPos(unsigned pos)
{
    unsigned const n = count.load(std::memory_order_relaxed);
    if (pos >= n)
        return false;
    unsigned long long const base = start;
    T* const e = Slot(base + pos);
    T* const prev = pos ? Slot(base + pos - 1) : nullptr;
    (prev ? prev->next : head) = e->next;
    if (pos == 0)
        ++start;
    else
        ShiftDown(pos);
    if (n == 1)
        start = 0;
    count.store(n - 1, std::memory_order_release);
    delete e;
    return true;
}

template <class T>
template <class Drop>
unsigned Container<T>::DelIf(Drop drop)
{
    unsigned const n = count.load(std::memory_order_relaxed);
    unsigned long long const base = start;
    unsigned kept = 0;
    for (unsigned i = 0; i < n; ++i) {
        T* const e = Slot(base + i);
        if (drop(*e))
            delete e;
        else
            Slot(base + kept++) = e;
    }
    count.store(kept, std::memory_order_release);
    if (kept == 0)
        start = 0;
    Relink(Whole());
    return n - kept;
}

template <class T>
void Container<T>::Arrange(unsigned from, T* const* order, unsigned n)
{
    Arrange(from, order, n, Whole());
}

template <class T>
template <class Split>
void Container<T>::Arrange(unsigned from, T* const* order, unsigned n, Split const& split)
{
    unsigned long long const base = static_cast<unsigned long long>(start) + from;
    for (unsigned i = 0; i < n; ++i)
        Slot(base + i) = order[i];
    Relink(split);
}

// Rebuilds the links from the index.
template <class T>
template <class Split>
void Container<T>::Relink(Split const& split)
{
    unsigned const n = count.load(std::memory_order_relaxed);
    unsigned long long const base = start;
    head = n ? Slot(base) : nullptr;
    if (!n)
        return;
    split(n - 1, [&](unsigned from, unsigned to) {
        for (unsigned i = from; i < to; ++i) {
            // Elements lie all over the heap once rearranged: fetch ahead.
            if (i + 8 < to)
                __builtin_prefetch(Slot(base + i + 8));
            Slot(base + i)->next = Slot(base + i + 1);
        }
        return true;
    });
    Slot(base + n - 1)->next = nullptr;
}

// The lists of names are filled by the programs and emptied in scanlib: one
// instantiation, exported from scanlib, keeps allocation and release there.
// Declared here, so that no module can use the list before this line and
// make a copy of its own.
extern template class SCANLIB_API Container<DName>;

// Container: a counted, singly linked list whose elements carry their own
// link (a public "T* next" member, as DName and DFile have). The list owns
// its elements and holds copies of what is inserted.
#pragma once

#include <memory>
#include <new>

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
    // Removes the element at pos; false when pos is not below Size().
    bool DelPos(unsigned pos);

private:
    unsigned count;
    T* head;
    T* tail;    // appends need not walk the list
};

// The members are defined outside the class so that a module which declares
// an instantiation extern uses the exporting module's code, allocation and
// release included.

template <class T>
Container<T>::Container() : count(0), head(nullptr), tail(nullptr)
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
    tail = nullptr;
    count = 0;
}

template <class T>
unsigned Container<T>::Size() const
{
    return count;
}

template <class T>
bool Container<T>::isEmpty() const
{
    return count == 0;
}

template <class T>
T* Container<T>::First() const
{
    return head;
}

template <class T>
T* Container<T>::operator()(unsigned pos) const
{
    if (pos >= count)
        return nullptr;
    T* e = head;
    for (; pos; --pos)
        e = e->next;
    return e;
}

template <class T>
T& Container<T>::operator[](unsigned pos) const
{
    return *(*this)(pos);
}

template <class T>
bool Container<T>::InsertRight(T const& v)
{
    T* e = new (std::nothrow) T(v);
    if (!e)
        return false;
    e->next = nullptr;
    if (tail)
        tail->next = e;
    else
        head = e;
    tail = e;
    ++count;
    return true;
}

template <class T>
bool Container<T>::DelPos(unsigned pos)
{
    if (pos >= count)
        return false;
    T* prev = nullptr;
    T* e = head;
    for (; pos; --pos) {
        prev = e;
        e = e->next;
    }
    (prev ? prev->next : head) = e->next;
    if (e == tail)
        tail = prev;
    delete e;
    --count;
    return true;
}

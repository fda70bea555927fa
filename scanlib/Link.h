// Link: a counted list of values reached by position, built on Container.
// The content test keeps one found flag per phrase in a Link<bool>.
#pragma once

#include "Container.h"

template <class T>
class Link
{
public:
    // Replaces the list by n copies of v; false, and empty, when memory
    // runs out.
    bool Fill(unsigned n, T const& v)
    {
        nodes.Destroy();
        Node const node(v);
        for (; n; --n) {
            if (!nodes.InsertRight(node)) {
                nodes.Destroy();
                return false;
            }
        }
        return true;
    }

    unsigned Size() const { return nodes.Size(); }

    // The caller keeps pos below Size().
    T const& operator[](unsigned pos) const { return nodes[pos].value; }

    // False when pos is not below Size().
    bool Set(unsigned pos, T const& v)
    {
        Node* node = nodes(pos);
        if (!node)
            return false;
        node->value = v;
        return true;
    }

    void Destroy() { nodes.Destroy(); }

private:
    struct Node
    {
        explicit Node(T const& v) : value(v), next(nullptr) {}
        T value;
        Node* next;
    };

    Container<Node> nodes;
};

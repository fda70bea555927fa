#include "Container.h"
#include "DName.h"
#include "Link.h"
#include "SplitWork.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string Joined(Container<DName> const& list)
{
    std::string out;
    for (DName const* e = list.First(); e; e = e->next)
        out += std::string(e->Name()) + "|";
    return out;
}

Container<DName> Of(std::initializer_list<char const*> items)
{
    Container<DName> list;
    for (char const* s : items)
        list.InsertRight(DName(s));
    return list;
}

// Every change against a plain vector: positions, links and the tail must
// agree across the index's segment borders, also when the list is used as a
// queue (the head removed while the tail grows).
TEST(Container, HoldsDeepCopies)
{
    Container<DName> list;
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(nullptr, list(0));
    DName name("a");
    ASSERT_TRUE(list.InsertRight(name) && list.InsertRight(DName("b")));
    name = "changed";
    EXPECT_EQ("a|b|", Joined(list));
    EXPECT_EQ(nullptr, list(2));
    EXPECT_EQ(nullptr, list[1].next);

    Container<DName> b(list);
    Container<DName> c = Of({"old"});
    c = list;
    b[0] = "changed";
    c.DelPos(1);
    EXPECT_EQ("a|b|", Joined(list));
    EXPECT_EQ("changed|b|", Joined(b));
    c = c;
    EXPECT_EQ("a|", Joined(c));
    EXPECT_TRUE(c.Copy(Container<DName>()) && c.isEmpty());

    // Byte-exact elements survive a copy.
    DName bytes;
    ASSERT_TRUE(bytes.Namen("a\0b", 3));
    c.InsertRight(bytes);
    EXPECT_EQ(3u, Container<DName>(c)[0].Size());
}

TEST(Container, AgreesWithAVectorThroughMixedChanges)
{
    Container<DName> list;
    std::vector<std::string> model;
    srand(7);
    for (unsigned step = 0; step < 4000; ++step) {
        std::string const v = std::to_string(step);
        unsigned const pos = model.empty() ? 0 : unsigned(rand()) % (model.size() + 1);
        switch (rand() % 6) {
        case 0:
        case 1:
            ASSERT_TRUE(list.InsertRight(DName(v.c_str())));
            model.push_back(v);
            break;
        case 2:
            ASSERT_TRUE(list.InsertLeft(DName(v.c_str())));
            model.insert(model.begin(), v);
            break;
        case 3:
            ASSERT_TRUE(list.InsertPos(DName(v.c_str()), pos));
            model.insert(model.begin() + std::min<size_t>(pos, model.size()), v);
            break;
        case 4:
            EXPECT_EQ(!model.empty(), list.DelPos(0));
            if (!model.empty())
                model.erase(model.begin());
            break;
        default:
            EXPECT_EQ(pos < model.size(), list.DelPos(pos));
            if (pos < model.size())
                model.erase(model.begin() + pos);
            break;
        }
        ASSERT_EQ(model.size(), list.Size());
    }
    std::string expected;
    for (size_t i = 0; i < model.size(); ++i) {
        expected += model[i] + "|";
        ASSERT_STREQ(model[i].c_str(), list[unsigned(i)].Name());
    }
    EXPECT_EQ(expected, Joined(list));
    ASSERT_TRUE(list.InsertRight(DName("end")));
    EXPECT_EQ(expected + "end|", Joined(list));

    // Emptied by deletion, the list takes appends again.
    while (list.DelPos(list.Size() - 1)) {
    }
    EXPECT_TRUE(list.isEmpty());
    EXPECT_FALSE(list.DelPos(0));
    ASSERT_TRUE(list.InsertRight(DName("e")));
    EXPECT_EQ("e|", Joined(list));
}

TEST(Container, RemovesByTestAndRearranges)
{
    Container<DName> list = Of({"a", "bb", "c", "dd", "e"});
    EXPECT_EQ(2u, list.DelIf([](DName const& e) { return e.Size() == 2; }));
    EXPECT_EQ("a|c|e|", Joined(list));
    EXPECT_STREQ("e", list[2].Name());

    DName* const order[] = {list(2), list(0), list(1)};
    list.Arrange(0, order, 3);
    EXPECT_EQ("e|a|c|", Joined(list));
    DName* const tail[] = {list(2), list(1)};
    list.Arrange(1, tail, 2);
    EXPECT_EQ("e|c|a|", Joined(list));
    ASSERT_TRUE(list.InsertRight(DName("z")));
    EXPECT_EQ("e|c|a|z|", Joined(list));

    Container<DName> other = Of({"x"});
    list.Swap(other);
    EXPECT_EQ("x|", Joined(list));
    EXPECT_EQ("e|c|a|z|", Joined(other));
    EXPECT_EQ(1u, list.DelIf([](DName const&) { return true; }));
    EXPECT_TRUE(list.isEmpty());
    EXPECT_EQ(nullptr, list.First());
    ASSERT_TRUE(list.InsertLeft(DName("again")));
    EXPECT_EQ("again|", Joined(list));
}

// Lists long enough to be relinked in two halves keep links that agree
// with their positions through rearranging and removing.
TEST(Container, LongListsKeepTheirLinksInOrder)
{
    unsigned const n = SplitWork::Many * 2 + 3;
    Container<DName> list;
    char text[16];
    for (unsigned i = 0; i < n; ++i) {
        std::snprintf(text, sizeof text, "%u", i);
        ASSERT_TRUE(list.InsertRight(DName(text)));
    }
    std::vector<DName*> order(n);
    for (unsigned i = 0; i < n; ++i)
        order[i] = list((i * 7919u) % n);    // 7919 is prime to n
    list.Arrange(0, order.data(), n, SplitWork());
    list.DelIf([](DName const& e) { return e.Name()[0] == '5'; });
    unsigned pos = 0;
    for (DName const* e = list.First(); e; e = e->next, ++pos)
        ASSERT_EQ(list(pos), e) << pos;
    EXPECT_EQ(list.Size(), pos);
    EXPECT_STREQ("7919", list[1].Name());
}

}  // namespace

// The intrusive subject/observer list: order, moves between subjects, release on destruction.
#include <gtest/gtest.h>

#include <vector>

#include "vela/fnd/Observer.h"

namespace {

struct Probe : vela::fnd::CObserver<Probe> {};
using Subject = vela::fnd::CSubject<Probe>;

std::vector<Probe*> ListOf(const Subject& subject) {
    std::vector<Probe*> list;
    for (Probe* p = subject.head; p; p = p->next)
        list.push_back(p);
    return list;
}

using List = std::vector<Probe*>;

TEST(Subject, AttachLinksAtTheHeadOnlyOnce) {
    Subject subject;
    Probe a, b, c;
    subject.Attach(&a);
    subject.Attach(&b);
    subject.Attach(&c);
    subject.Attach(&a);
    subject.Attach(nullptr);
    EXPECT_EQ(ListOf(subject), (List{&c, &b, &a}));
    EXPECT_EQ(a.subject, &subject);
}

TEST(Subject, AttachMovesAnObserverFromItsOldSubject) {
    Subject first, second;
    Probe a, b, c;
    first.Attach(&a);
    first.Attach(&b);
    first.Attach(&c);
    second.Attach(&b);
    EXPECT_EQ(ListOf(first), (List{&c, &a}));
    EXPECT_EQ(ListOf(second), (List{&b}));
    EXPECT_EQ(b.subject, &second);
}

TEST(Subject, InsertBeforeTheEndAppends) {
    Subject subject;
    Probe a, b;
    EXPECT_TRUE(subject.InsertBefore(nullptr, &a));
    EXPECT_EQ(ListOf(subject), (List{&a}));
    EXPECT_TRUE(subject.InsertBefore(nullptr, &b));
    EXPECT_EQ(ListOf(subject), (List{&a, &b}));
    EXPECT_EQ(b.subject, &subject);
}

TEST(Subject, InsertBeforeAReference) {
    Subject subject;
    Probe a, b, c, d;
    subject.Attach(&b);
    subject.Attach(&a);
    EXPECT_TRUE(subject.InsertBefore(&b, &c));
    EXPECT_TRUE(subject.InsertBefore(&a, &d));
    EXPECT_EQ(ListOf(subject), (List{&d, &a, &c, &b}));
}

TEST(Subject, InsertBeforeAStrangerFailsAndLeavesTheObserverDetached) {
    Subject subject, other;
    Probe listed, stranger, moving;
    subject.Attach(&listed);
    other.Attach(&moving);
    EXPECT_FALSE(subject.InsertBefore(&stranger, &moving));
    EXPECT_EQ(moving.subject, nullptr);
    EXPECT_EQ(moving.next, nullptr);
    EXPECT_EQ(other.head, nullptr);
    EXPECT_EQ(ListOf(subject), (List{&listed}));
    EXPECT_FALSE(subject.InsertBefore(nullptr, nullptr));
}

TEST(Subject, InsertBeforeForAListedObserverKeepsItsPlace) {
    Subject subject;
    Probe a, b;
    subject.Attach(&b);
    subject.Attach(&a);
    EXPECT_TRUE(subject.InsertBefore(nullptr, &a));
    EXPECT_EQ(ListOf(subject), (List{&a, &b}));
}

TEST(Subject, DetachUnlinksOnlyItsOwnObservers) {
    Subject subject, other;
    Probe a, b, c, elsewhere;
    subject.Attach(&c);
    subject.Attach(&b);
    subject.Attach(&a);
    other.Attach(&elsewhere);
    subject.Detach(&b);
    EXPECT_EQ(ListOf(subject), (List{&a, &c}));
    EXPECT_EQ(b.subject, nullptr);
    EXPECT_EQ(b.next, nullptr);

    subject.Detach(&elsewhere);
    subject.Detach(nullptr);
    EXPECT_EQ(elsewhere.subject, &other);
    EXPECT_EQ(ListOf(other), (List{&elsewhere}));

    subject.DetachAll();
    EXPECT_EQ(subject.head, nullptr);
    EXPECT_EQ(a.subject, nullptr);
    EXPECT_EQ(c.subject, nullptr);
}

TEST(Subject, DestroyedSubjectReleasesItsObservers) {
    Probe a, b, c;
    {
        Subject subject;
        subject.Attach(&a);
        subject.Attach(&b);
        subject.Attach(&c);
    }
    for (Probe* p : {&a, &b, &c}) {
        EXPECT_EQ(p->subject, nullptr);
        EXPECT_EQ(p->next, nullptr);
    }
}

TEST(Observer, DestroyedObserverLeavesItsNeighboursLinked) {
    Subject subject;
    Probe a, c;
    subject.Attach(&c);
    {
        Probe b;
        subject.Attach(&b);
        subject.Attach(&a);
    }
    EXPECT_EQ(ListOf(subject), (List{&a, &c}));
    a.Unsubscribe();
    EXPECT_EQ(ListOf(subject), (List{&c}));
    a.Unsubscribe();
    EXPECT_EQ(a.subject, nullptr);
}

} // namespace

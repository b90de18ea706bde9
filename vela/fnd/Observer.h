// Intrusive subject and observer: the list runs through the observers, nothing is allocated.
#pragma once

#include "vela/VelaObject.h"

namespace vela::fnd {

template <class O>
class CSubject;

// O is the concrete observer class. It sits in at most one subject's list, and `subject` names
// exactly that subject (null while it is in none).
template <class O>
class CObserver : public INonCopyable<IVelaObject> {
public:
    CObserver() = default;
    virtual ~CObserver() { Unsubscribe(); }

    virtual void Unsubscribe() {
        if (subject)
            subject->Detach(static_cast<O*>(this));
    }

    CSubject<O>* subject = nullptr;
    O* next = nullptr;
};

// Does not own its observers; releases them, undestroyed, when it goes.
template <class O>
class CSubject : public INonCopyable<IVelaObject> {
public:
    CSubject() = default;
    virtual ~CSubject() {
        while (head) {
            O* observer = head;
            head = observer->next;
            observer->subject = nullptr;
            observer->next = nullptr;
        }
    }

    // Links at the head: the most recently attached observer hears first.
    virtual void Attach(O* observer) {
        if (!observer || observer->subject == this)
            return;
        if (observer->subject)
            observer->subject->Detach(observer);
        observer->subject = this;
        observer->next = head;
        head = observer;
    }

    // A null reference stands for the end of the list.
    virtual bool InsertBefore(O* reference, O* observer) {
        if (!observer)
            return false;
        if (observer->subject == this)
            return true;
        if (observer->subject)
            observer->subject->Detach(observer);
        O** link = &head;
        while (*link && *link != reference)
            link = &(*link)->next;
        if (*link != reference)
            return false;
        observer->next = *link;
        observer->subject = this;
        *link = observer;
        return true;
    }

    virtual void Detach(O* observer) {
        if (!observer)
            return;
        for (O** link = &head; *link; link = &(*link)->next) {
            if (*link == observer) {
                *link = observer->next;
                observer->subject = nullptr;
                observer->next = nullptr;
                return;
            }
        }
    }

    virtual void DetachAll() {
        while (head)
            Detach(head);
    }

    O* head = nullptr;
};

} // namespace vela::fnd

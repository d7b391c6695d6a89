#pragma once

// One buffer of a kind kept on each thread for its next user. A profile save needs several
// buffers of a few hundred KB; taken fresh each time, every page of them costs a page fault, and
// every such request makes malloc first sweep up all the small blocks freed since the last one.
// `T` is a container with swap(), clear() that keeps the capacity, and capacity(); `Tag` tells
// buffers of one type apart.
template <class T, class Tag = void> class ThreadSpare
{
public:
    // `v` gets the kept buffer, emptied.
    static void take(T& v)
    {
        v.swap(spare());
        v.clear();
    }
    // `v` is emptied; its buffer is kept when it is the larger.
    static void giveBack(T& v)
    {
        v.clear();
        if (v.capacity() > spare().capacity())
            v.swap(spare());
    }

private:
    static T& spare()
    {
        thread_local T buffer;
        return buffer;
    }
};

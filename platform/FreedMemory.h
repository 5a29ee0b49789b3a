#pragma once

// Gives memory that the program has freed back to the system. The C
// library's allocator serves each thread from one of many pools and keeps
// freed blocks in them for later use; a project's decoding and loading
// threads leave frame-sized blocks in every pool, so without this a program
// that opens project after project grows with each one.
class FreedMemory
{
public:
    // At start-up, before the first thread: large blocks (pictures, large
    // frames) are mapped on their own and unmapped when freed, and the
    // pools give back what they no longer use at their ends.
    static void returnLargeBlocks();
    // Hands the free pages of every pool back to the system; for the moment
    // a large part of the memory has just been freed, as a project closing.
    static void release();
};

#pragma once

#include "AVRender.h"

// Counts the redraws the window asks of the renderer; its threads never run.
class CountingRender : public AVRender
{
public:
    CountingRender() : AVRender(nullptr, 320, 180) {}
    void addTickets(int count) override
    {
        tickets += count;
        AVRender::addTickets(count);
    }
    int tickets = 0;
};

#pragma once

// A file descriptor, closed when it goes.
class AVFileDescriptor
{
public:
    explicit AVFileDescriptor(int value) : _value(value) {}
    ~AVFileDescriptor();
    AVFileDescriptor(const AVFileDescriptor&) = delete;
    AVFileDescriptor& operator=(const AVFileDescriptor&) = delete;
    int get() const { return _value; }
    bool isOpen() const { return _value >= 0; }

private:
    int _value;
};

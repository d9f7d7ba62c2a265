#pragma once

// Orders pointers by the objects they point to; a null pointer is never less.
template <typename T> struct PointerLessOperator
{
    bool operator()(const T *a, const T *b) const { return a && b && *a < *b; }
};

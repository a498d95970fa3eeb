#include "sample/layout.h"

#include <cstring>

namespace sample::layout {

Twips menuTitle(char letter, int i)
{
    int left = 0;
    int top = 0;
    int width = 810;
    int height = 285;
    const auto base = [&](char l, int n) {
        switch (l) {
        case 'A':
            return 15 + 870 * (n - 1);
        case 'B':
            return n == 1 ? 0 : 810 * (n - 1) - 15;
        case 'C':
            return 165 + 870 * (n - 1);
        case 'G':
            return 810 * (n - 1) - 15;
        default:
            return 810 * (n - 1);
        }
    };
    left = base(letter, i);
    switch (letter) {
    case 'A':
        top = 15, width = 885, height = 270;
        if (i == 7) left = base('A', 8);
        break;
    case 'B':
        height = 285;
        if (i == 6) left = base('B', 8);
        break;
    case 'C':
        top = 15, width = 885, height = 270;
        if (i == 8) left = 8160;
        break;
    case 'D':
        height = 300;
        if (i == 7) left = 8160;
        break;
    case 'E':
        if (i == 5) left = base('E', 8);
        break;
    case 'F':
        if (i == 7) left = base('F', 8);
        break;
    case 'G':
        height = 270;
        if (i == 7) left = base('G', 8);
        break;
    default:
        break;
    }
    return {left, top, width, height};
}

Twips taskPaneLink(int code, int id)
{
    return twipsOf(hotspots::taskPaneLink(code, id));
}

Twips dialogItem(int digit, int id)
{
    return twipsOf(hotspots::dialogItem(digit, id));
}

int dropDownRows(const char* groups)
{
    int n = 0;
    for (const char* c = groups; *c; ++c) {
        if (*c >= '0' && *c <= '9') n += *c - '0';
    }
    return n;
}

int dropDownRowTop(const char* groups, int pitch, int row)
{
    const int gap = pitch == 330 ? 150 : 135;
    int top = 45 + (row - 1) * pitch;
    int n = 0;
    for (const char* c = groups; *c; ++c) {
        n += *c >= '0' && *c <= '9' ? *c - '0' : 0;
        if (row > n) top += gap;
    }
    return top;
}

} // namespace sample::layout

#include "TheaterPencil.h"

namespace gb {

int PencilWidth(int size) {
    switch (size) {
    case 0: return 10;
    case 1: return 5;
    case 2: return 2;
    default: return 1;
    }
}

ColorRef PencilColour(int colour) {
    switch (colour) {
    case 1: return Rgb(0, 0, 0);
    case 3: return Rgb(255, 0, 128);
    case 4: return Rgb(128, 255, 0);
    case 5: return Rgb(0, 128, 255);
    default: return Rgb(255, 255, 255);
    }
}

} // namespace gb

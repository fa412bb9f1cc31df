#include "ui/FaviconImages.h"

HIMAGELIST FaviconImageList = nullptr;

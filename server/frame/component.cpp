#include "server/frame/component.h"

volatile LONG objectCount = 0;
volatile LONG lockCount = 0;

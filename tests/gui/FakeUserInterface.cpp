#include "FakeUserInterface.h"

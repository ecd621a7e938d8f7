#pragma once
// A core header that pulls in Qt: the layer check must refuse it.
#include <QString>

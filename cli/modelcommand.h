#pragma once

#include "tracecommand.h"

#include <QByteArray>
#include <QStringList>

// quarvel-cli model [settings options] FILE OUT.glb|OUT.obj: the 3D model of
// the built ramp (an OBJ writes its .mtl beside it). Status 0 written, 1
// refused, 2 usage, file or write error.
QByteArray modelUsage();
CommandResult modelCommand(const QStringList& args);

// quarvel-cli picture [settings options] [--view iso|front|side|top]
// [--angle YAW,PITCH] [--size WxH] [--upto STEP] FILE OUT.png: a picture of
// the model; --upto N shows the parts of the assembly steps 1 to N, those
// of step N highlighted. Same statuses as model.
QByteArray pictureUsage();
CommandResult pictureCommand(const QStringList& args);

#pragma once
// The compressed payload of a plant file.
#include <QByteArray>

// data in the layout of qCompress (its size as a big-endian 32-bit number, then a zlib stream)
// at the fastest level. A large image is deflated in slices of 1 MiB on threads of their own;
// each slice starts from the 32 KiB before it as its dictionary and ends on a byte boundary, so
// the slices joined make one stream that qUncompress reads back whole.
QByteArray deflateImage(const QByteArray& data);

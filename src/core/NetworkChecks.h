#pragma once
// IPv4 checks of a CPU interface board's network settings. Addresses and masks are 32-bit
// values with the first dotted number in the most significant byte; all arithmetic is
// unsigned 32-bit, so octets and addresses with the top bit set are well defined.

// A mask given as four octets, most significant first: false when an octet is negative;
// 0.0.0.0 is accepted; otherwise true only for one-bits from the top followed by zero-bits.
// Octets are not checked against 255.
bool isValidNetMask(int a, int b, int c, int d);

// True when address and gateway lie in the same subnet of mask.
bool isInSameSubnet(int address, int mask, int gateway);

// False for an octet above 255 (a negative one counts as above), for 0.0.0.0 and for
// 255.255.255.255.
bool isValidHostAddress(int a, int b, int c, int d);

#pragma once

#include <sys/stat.h>

// Gives the open `destination` the extended attributes, permission bits and access and
// modification dates of the open `source`, whose attributes `sourceStat` holds. The set-id bits
// only where the copy has the source's owner and group. Failures are ignored (security.*
// attributes are refused to normal users, for example).
void copyMetadata(int source, int destination, const struct stat &sourceStat);

// The permission bits and dates of `sourceStat` for a node that cannot be opened (FIFOs,
// sockets, device nodes), named `name` in the folder `dirFd`.
void copyNodeMetadata(int dirFd, const char *name, const struct stat &sourceStat);

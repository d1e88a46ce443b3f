#include "platform/InputReportNode.h"

// hidapi's own overlapped reads are used on Windows.
std::unique_ptr<InputReportNode> InputReportNode::open(const QByteArray &)
{
    return nullptr;
}

int InputReportNode::openErrno(const QByteArray &)
{
    return 0;
}

#include "postmsg.h"

PostMsg *PostMsg::instance()
{
    static PostMsg *const hub = new PostMsg;
    return hub;
}

"""A bus of recorders served by pymodbus: RTU frames over TCP on 127.0.0.1.

Usage: pymodbus_slave.py ADDRESS:CHANNELS:VERSION ...
Prints "PORT n" once it listens. Addresses not listed do not answer.
"""

import asyncio
import logging
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from pymodbus.datastore import ModbusServerContext, ModbusSlaveContext, ModbusSparseDataBlock
from pymodbus.server.async_io import StartAsyncTcpServer
from pymodbus.transaction import ModbusRtuFramer

import recorder_registers


async def main(meters):
    slaves = {}
    for spec in meters:
        address, channels, version = spec.split(":")
        block = ModbusSparseDataBlock(
            recorder_registers.registers(int(address), int(channels), version))
        slaves[int(address)] = ModbusSlaveContext(hr=block, zero_mode=True)
    context = ModbusServerContext(slaves=slaves, single=False)
    server = await StartAsyncTcpServer(context=context, address=("127.0.0.1", 0),
                                       framer=ModbusRtuFramer, ignore_missing_slaves=True,
                                       defer_start=True)
    task = asyncio.create_task(server.serve_forever())
    await server.serving
    print("PORT %d" % server.server.sockets[0].getsockname()[1], flush=True)
    await task


if __name__ == "__main__":
    logging.disable(logging.CRITICAL)
    asyncio.run(main(sys.argv[1:]))

"""The simulator's core and its protocol services."""
